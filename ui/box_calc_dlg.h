#pragma once

#include <span>
#include <string>

#include "box_calculator.h"
#include "box_design.h"
#include "dialog.h"

namespace resonara {

// Controls of the Box Calculator, dialog 130.
enum BoxCalcControl : int {
    kBoxCalculateButton = 1001,
    kBoxVrEdit = 1002,
    kBoxRearDepthEdit = 1003,
    kBoxLengthEdit = 1015,
    kBoxWidthEdit = 1016,
    kBoxFrontDepthEdit = 1017,
    kBoxVfEdit = 1018,
    kBoxConstrain2Check = 1019,
    kBoxConstrain3Check = 1020,
    kBoxConstrain1Check = 1021,
    kBoxPortVolumeEdit = 1022,
    kBoxAddlVfEdit = 1023,
    kBoxTotalVolumeEdit = 1024,
    kBoxAddlVrEdit = 1025,
    kBoxTotalVfEdit = 1026,
    kBoxTotalVrEdit = 1027,
    kBoxVfLabel = 1028,
    kBoxVrLabel = 1029,
    kBoxAddlVfLabel = 1030,
    kBoxPortVolumeLabel = 1031,
    kBoxTotalVolumeLabel = 1032,
    kBoxLengthLabel = 1033,
    kBoxWidthLabel = 1034,
    kBoxFrontDepthLabel = 1035,
    kBoxRearDepthLabel = 1036,
    kBoxAddlVrLabel = 1037,
    kBoxTotalVfLabel = 1038,
    kBoxTotalVrLabel = 1039,
};

// What the Box Calculator exchanges with its controls: the figures, the
// hidden "Constrain" flags that nothing reads, and the label texts of the
// unit system in force.
struct BoxCalcFields : BoxCalculation {
    int constrain1 = 0;
    int constrain2 = 0;
    int constrain3 = 0;
    std::string vfLabel, vrLabel, portVolumeLabel, addlVfLabel, addlVrLabel, totalVfLabel, totalVrLabel,
        totalVolumeLabel, lengthLabel, widthLabel, frontDepthLabel, rearDepthLabel;
};

// The Box Calculator: turns the chamber volumes plus port and additional
// volumes into a box. It lives as long as the main window, so the additional
// volumes taken by "Calculate" are kept between openings; nothing flows back
// into the design, and there is no OK: it closes by Cancel processing only.
class CBoxCalcDlg final : public CDialog {
public:
    explicit CBoxCalcDlg(CDialog* owner);

    // Copies Vf, Vr, Lp, Dp, Ports and the unit system from the record as it stands.
    void CopyDesign(const BoxDesign& design);
    const BoxCalcFields& Fields() const { return fields_; }

protected:
    bool OnInitDialog() override;
    void DoDataExchange(DataExchange& dx) override;
    void OnPaint(QtSurface& surface) override;
    std::span<const CommandEntry> CommandTable() const override;

private:
    void OnCalculate();
    void SetUnitLabels();

    static const CommandEntry kCommands[];

    BoxCalcFields fields_;
};

extern const DialogTemplate kBoxCalcTemplate;

}  // namespace resonara
