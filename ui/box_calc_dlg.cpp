#include "box_calc_dlg.h"

#include "box_calculator_labels.h"
#include "box_diagram.h"
#include "qt_surface.h"

namespace resonara {
namespace {

using K = ControlKind;

// Label texts are set at every opening; the template's own are never shown.
constexpr ControlTemplate kControls[] = {
    {K::DefaultButton, kBoxCalculateButton, "Calculate", {210, 220, 50, 14}},
    {K::Button, IDCANCEL, "Cancel", {210, 241, 50, 14}},
    {K::Edit, kBoxLengthEdit, "", {84, 170, 40, 14}},
    {K::Edit, kBoxWidthEdit, "", {84, 190, 40, 14}},
    {K::ReadOnlyEdit, kBoxFrontDepthEdit, "", {84, 210, 40, 14}},
    {K::RightAlignedLabel, kBoxLengthLabel, "Length:", {39, 170, 43, 8}},
    {K::RightAlignedLabel, kBoxWidthLabel, "Width:", {42, 190, 40, 8}},
    {K::RightAlignedLabel, kBoxFrontDepthLabel, "Front Depth:", {15, 210, 65, 8}},
    {K::Edit, kBoxVfEdit, "", {84, 10, 40, 14}},
    {K::RightAlignedLabel, kBoxVfLabel, "Vf:", {40, 10, 42, 8}},
    {K::CheckBox, kBoxConstrain2Check, "Constrain", {320, 235, 45, 10}, kHidden | kDisabled},
    {K::CheckBox, kBoxConstrain3Check, "Constrain", {320, 255, 45, 10}, kHidden | kDisabled},
    {K::CheckBox, kBoxConstrain1Check, "Constrain", {320, 220, 45, 10}, kHidden | kDisabled},
    {K::Edit, kBoxPortVolumeEdit, "", {84, 50, 40, 14}},
    {K::RightAlignedLabel, kBoxPortVolumeLabel, "Port Volume:", {10, 50, 72, 8}},
    {K::Edit, kBoxTotalVolumeEdit, "", {84, 110, 40, 14}},
    {K::RightAlignedLabel, kBoxTotalVolumeLabel, "Total Volume:", {10, 110, 72, 8}},
    {K::RightAlignedLabel, kBoxVrLabel, "Vr:", {40, 31, 42, 8}},
    {K::Edit, kBoxVrEdit, "", {84, 31, 40, 14}},
    {K::RightAlignedLabel, kBoxRearDepthLabel, "Rear Depth:", {0, 230, 80, 8}},
    {K::ReadOnlyEdit, kBoxRearDepthEdit, "", {84, 230, 40, 14}},
    {K::Edit, kBoxAddlVfEdit, "", {85, 70, 40, 14}},
    {K::Edit, kBoxAddlVrEdit, "", {85, 90, 40, 14}},
    {K::RightAlignedLabel, kBoxAddlVfLabel, "Addl. Vf:", {20, 70, 60, 8}},
    {K::RightAlignedLabel, kBoxAddlVrLabel, "Addl. Vr:", {15, 90, 67, 8}},
    {K::Edit, kBoxTotalVfEdit, "", {84, 130, 40, 14}},
    {K::RightAlignedLabel, kBoxTotalVfLabel, "Total Vf:", {10, 130, 72, 8}},
    {K::Edit, kBoxTotalVrEdit, "", {84, 150, 40, 14}},
    {K::RightAlignedLabel, kBoxTotalVrLabel, "Total Vr:", {10, 150, 72, 8}},
};

// Each field is called by its label, which carries the unit: "Length (cm):" names it "Length (cm)".
constexpr AccessibleNameTemplate kAccessibleNames[] = {
    {kBoxLengthEdit, "", "", kBoxLengthLabel},
    {kBoxWidthEdit, "", "", kBoxWidthLabel},
    {kBoxFrontDepthEdit, "", "", kBoxFrontDepthLabel},
    {kBoxVfEdit, "", "", kBoxVfLabel},
    {kBoxPortVolumeEdit, "", "", kBoxPortVolumeLabel},
    {kBoxTotalVolumeEdit, "", "", kBoxTotalVolumeLabel},
    {kBoxVrEdit, "", "", kBoxVrLabel},
    {kBoxRearDepthEdit, "", "", kBoxRearDepthLabel},
    {kBoxAddlVfEdit, "", "", kBoxAddlVfLabel},
    {kBoxAddlVrEdit, "", "", kBoxAddlVrLabel},
    {kBoxTotalVfEdit, "", "", kBoxTotalVfLabel},
    {kBoxTotalVrEdit, "", "", kBoxTotalVrLabel},
};

using F = BoxCalcFields;

const ExchangeRow<F> kExchange[] = {
    {kBoxConstrain1Check, &F::constrain1},
    {kBoxConstrain2Check, &F::constrain2},
    {kBoxConstrain3Check, &F::constrain3},
    {kBoxVfEdit, &F::Vf},
    {kBoxVrEdit, &F::Vr},
    {kBoxPortVolumeEdit, &F::portVolume},
    {kBoxTotalVolumeEdit, &F::totalVolume},
    {kBoxLengthEdit, &F::length},
    {kBoxWidthEdit, &F::width},
    {kBoxFrontDepthEdit, &F::frontDepth},
    {kBoxRearDepthEdit, &F::rearDepth},
    {kBoxFrontDepthLabel, &F::frontDepthLabel},
    {kBoxLengthLabel, &F::lengthLabel},
    {kBoxPortVolumeLabel, &F::portVolumeLabel},
    {kBoxRearDepthLabel, &F::rearDepthLabel},
    {kBoxTotalVolumeLabel, &F::totalVolumeLabel},
    {kBoxVfLabel, &F::vfLabel},
    {kBoxVrLabel, &F::vrLabel},
    {kBoxWidthLabel, &F::widthLabel},
    {kBoxAddlVfLabel, &F::addlVfLabel},
    {kBoxAddlVrLabel, &F::addlVrLabel},
    {kBoxAddlVfEdit, &F::addlVf},
    {kBoxAddlVrEdit, &F::addlVr},
    {kBoxTotalVfLabel, &F::totalVfLabel},
    {kBoxTotalVrLabel, &F::totalVrLabel},
    {kBoxTotalVfEdit, &F::totalVf},
    {kBoxTotalVrEdit, &F::totalVr},
};

struct LabelField {
    BoxFigure figure;
    std::string F::*text;
};

constexpr LabelField kLabelFields[] = {
    {BoxFigure::Vf, &F::vfLabel},
    {BoxFigure::Vr, &F::vrLabel},
    {BoxFigure::PortVolume, &F::portVolumeLabel},
    {BoxFigure::AddlVf, &F::addlVfLabel},
    {BoxFigure::AddlVr, &F::addlVrLabel},
    {BoxFigure::TotalVf, &F::totalVfLabel},
    {BoxFigure::TotalVr, &F::totalVrLabel},
    {BoxFigure::TotalVolume, &F::totalVolumeLabel},
    {BoxFigure::Length, &F::lengthLabel},
    {BoxFigure::Width, &F::widthLabel},
    {BoxFigure::FrontDepth, &F::frontDepthLabel},
    {BoxFigure::RearDepth, &F::rearDepthLabel},
};

}  // namespace

const DialogTemplate kBoxCalcTemplate{
    130, "Box Calculator", 377, 271, kSystemMenu, kControls, nullptr, kAccessibleNames,
};

const CommandEntry CBoxCalcDlg::kCommands[] = {
    {kBoxCalculateButton, Handler(&CBoxCalcDlg::OnCalculate)},
};

CBoxCalcDlg::CBoxCalcDlg(CDialog* owner) : CDialog(kBoxCalcTemplate, owner) {}

void CBoxCalcDlg::CopyDesign(const BoxDesign& design) { CopyDesignInto(fields_, design); }

bool CBoxCalcDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    ComputeBoxOnOpening(fields_);
    SetUnitLabels();
    UpdateData(false);
    return true;  // the focus goes to "Calculate"
}

void CBoxCalcDlg::SetUnitLabels() {
    for (const LabelField& label : kLabelFields) {
        fields_.*label.text = std::string(BoxFigureLabel(label.figure, fields_.english));
    }
}

void CBoxCalcDlg::DoDataExchange(DataExchange& dx) { dx.Exchange(fields_, std::span(kExchange)); }

void CBoxCalcDlg::OnCalculate() {
    UpdateData(true);
    RecomputeBoxDepths(fields_);
    UpdateData(false);
}

void CBoxCalcDlg::OnPaint(QtSurface& surface) { DrawBoxDiagram(surface); }

std::span<const CommandEntry> CBoxCalcDlg::CommandTable() const { return kCommands; }

}  // namespace resonara
