// Dialog 102, menu 129 and the main window's exchange table.
#include "enclosure_dlg.h"
#include "enclosure_exchange.h"
#include "web_addresses.h"

namespace resonara {
namespace {

using K = ControlKind;

constexpr ControlTemplate kControls[] = {
    {K::DefaultButton, IDOK, "OK", {345, 270, 50, 14}, kHidden | kDisabled},
    {K::Button, IDCANCEL, "Cancel", {345, 286, 50, 14}, kHidden | kDisabled},
    {K::RightAlignedLabel, kNoControlId, "Qts: ", {10, 25, 30, 8}},
    {K::RightAlignedLabel, kNoControlId, "Vas:  ", {0, 86, 40, 8}},
    {K::RightAlignedLabel, kNoControlId, "Fs: ", {10, 65, 30, 8}},
    {K::Edit, kQtsEdit, "", {40, 25, 40, 14}},
    {K::Edit, kVasEdit, "", {40, 86, 40, 14}},
    {K::Edit, kFsEdit, "", {40, 65, 40, 14}},
    {K::Label, kVasUnit, " liters", {80, 86, 25, 8}},
    {K::Label, kNoControlId, " Hz", {80, 65, 30, 8}},
    {K::RightAlignedLabel, kNoControlId, "Fb: ", {400, 55, 30, 8}},
    {K::RightAlignedLabel, kNoControlId, "Fl:  ", {400, 70, 30, 8}},
    {K::RightAlignedLabel, kNoControlId, "Vf: ", {400, 25, 30, 8}},
    {K::ReadOnlyEdit, kVfEdit, "", {430, 25, 40, 12}},
    {K::ReadOnlyEdit, kFbEdit, "", {430, 55, 40, 12}},
    {K::ReadOnlyEdit, kFlEdit, "", {430, 70, 40, 12}},
    {K::Label, kVfUnit, " liters", {470, 25, 20, 8}},
    {K::Label, kNoControlId, " Hz", {470, 55, 20, 8}},
    {K::Label, kNoControlId, " Hz", {470, 70, 20, 8}},
    {K::RightAlignedLabel, kNoControlId, "Qes: ", {10, 46, 30, 8}},
    {K::Edit, kQesEdit, "", {40, 46, 40, 14}},
    {K::RightAlignedLabel, kNoControlId, "Pmax: ", {0, 105, 40, 8}},
    {K::Edit, kPmaxEdit, "", {40, 105, 40, 14}},
    {K::RightAlignedLabel, kNoControlId, "Diameter: ", {110, 25, 40, 8}},
    {K::Edit, kDiameterEdit, "", {150, 25, 40, 14}},
    {K::RightAlignedLabel, kNoControlId, "Xmax: ", {110, 44, 40, 8}},
    {K::Edit, kXmaxEdit, "", {150, 44, 40, 14}},
    {K::Label, kNoControlId, " watts", {80, 105, 25, 8}},
    {K::Label, kDiameterUnit, " cm", {190, 25, 25, 8}},
    {K::Label, kXmaxUnit, " mm", {190, 44, 25, 8}},
    {K::Button, kCalculateButton, "Calculate", {305, 15, 75, 20}},
    {K::GroupBox, kNoControlId, "Speaker Parameters", {10, 10, 285, 115}},
    {K::GroupBox, kNoControlId, "Box Results", {390, 10, 110, 115}},
    {K::CheckBox, kOutputResponseCheck, "Output Response", {310, 90, 71, 10}},
    {K::CheckBox, kPowerResponseCheck, "Power Response", {310, 105, 70, 10}},
    {K::Edit, kDpEdit, "", {150, 64, 40, 14}},
    {K::RightAlignedLabel, kNoControlId, "Dp: ", {110, 64, 40, 8}},
    {K::Edit, kPortsEdit, "", {150, 84, 40, 14}},
    {K::RightAlignedLabel, kNoControlId, "# Ports: ", {110, 84, 40, 8}},
    {K::RightAlignedLabel, kNoControlId, "Lp: ", {415, 100, 13, 8}},
    {K::ReadOnlyEdit, kLpEdit, "", {430, 100, 40, 12}},
    {K::Label, kDpUnit, " cm", {190, 64, 25, 8}},
    {K::Label, kLpUnit, " cm", {470, 100, 25, 8}},
    {K::CheckBox, kS05Check, "0.5", {235, 50, 26, 10}},
    {K::CheckBox, kS06Check, "0.6", {235, 70, 26, 10}},
    {K::CheckBox, kS07Check, "0.7", {235, 90, 26, 10}},
    {K::Label, kNoControlId, "S:", {235, 35, 50, 8}},
    {K::RightAlignedLabel, kNoControlId, "Vr: ", {400, 40, 30, 8}},
    {K::ReadOnlyEdit, kVrEdit, "", {430, 40, 40, 12}},
    {K::Label, kVrUnit, " liters", {470, 40, 20, 8}},
    {K::RightAlignedLabel, kNoControlId, "Fh:  ", {400, 85, 30, 8}},
    {K::ReadOnlyEdit, kFhEdit, "", {430, 85, 40, 12}},
    {K::Label, kNoControlId, " Hz", {470, 85, 20, 8}},
    {K::Edit, kGainEdit, "", {150, 105, 40, 14}},
    {K::RightAlignedLabel, kNoControlId, "Gain:  ", {110, 105, 40, 8}},
    {K::Label, kNoControlId, " dB", {190, 105, 25, 8}},
    {K::Button, kWebsiteButton, kMakerAddress, {305, 40, 75, 20}},
    {K::Button, kAudioBooksButton, "Audio Books", {305, 65, 75, 20}, kHidden},
};

// What a screen reader calls each field: its label, and its unit, read from
// the unit label where the unit system decides it.
constexpr AccessibleNameTemplate kAccessibleNames[] = {
    {kQtsEdit, "Qts"},
    {kVasEdit, "Vas", "", kVasUnit},
    {kFsEdit, "Fs", "Hz"},
    {kVfEdit, "Vf", "", kVfUnit},
    {kFbEdit, "Fb", "Hz"},
    {kFlEdit, "Fl", "Hz"},
    {kQesEdit, "Qes"},
    {kPmaxEdit, "Pmax", "watts"},
    {kDiameterEdit, "Diameter", "", kDiameterUnit},
    {kXmaxEdit, "Xmax", "", kXmaxUnit},
    {kDpEdit, "Dp", "", kDpUnit},
    {kPortsEdit, "# Ports"},
    {kLpEdit, "Lp", "", kLpUnit},
    {kVrEdit, "Vr", "", kVrUnit},
    {kFhEdit, "Fh", "Hz"},
    {kGainEdit, "Gain", "dB"},
};

constexpr MenuItemTemplate kFileMenu[] = {{"&Exit", kFileExitCommand}};
constexpr MenuItemTemplate kUnitsMenu[] = {{"&English", kUnitsEnglishCommand}, {"&Metric", kUnitsMetricCommand}};
constexpr MenuItemTemplate kBoxCalculatorMenu[] = {{"&Box Calculator", kBoxCalculatorCommand}};
constexpr MenuItemTemplate kHelpMenu[] = {{"&Online Help", kOnlineHelpCommand}, {"&About", kAboutCommand}};

constexpr PopupTemplate kPopups[] = {
    {"&File", kFileMenu},
    {"&Units", kUnitsMenu},
    {"&Box Calculator", kBoxCalculatorMenu},
    {"&Help", kHelpMenu},
};

constexpr MenuTemplate kMenu{129, kPopups};

// "Resonara 2.0", 33 blanks, then the maker's address.
constexpr const char kCaption[] = "Resonara 2.0                                 www.resonara.example";
static_assert(std::string_view(kCaption).substr(12, 33).find_first_not_of(' ') == std::string_view::npos);
static_assert(std::string_view(kCaption).substr(45) == kMakerAddress);

}  // namespace

const DialogTemplate kEnclosureTemplate{
    102, kCaption, 512, 341, kSystemMenu | kMinimizeBox | kMaximizeBox, kControls, &kMenu, kAccessibleNames,
};

const ExchangeRow<BoxDesign> kEnclosureExchange[kEnclosureExchangeRows] = {
    {kOutputResponseCheck, &BoxDesign::outputResponse},
    {kPowerResponseCheck, &BoxDesign::powerResponse},
    {kS05Check, &BoxDesign::s05},
    {kS06Check, &BoxDesign::s06},
    {kS07Check, &BoxDesign::s07},
    {kDiameterEdit, &BoxDesign::Diameter},
    {kDpEdit, &BoxDesign::Dp},
    {kFsEdit, &BoxDesign::Fs},
    {kGainEdit, &BoxDesign::Gain},
    {kPortsEdit, &BoxDesign::Ports},
    {kPmaxEdit, &BoxDesign::Pmax},
    {kQesEdit, &BoxDesign::Qes},
    {kQtsEdit, &BoxDesign::Qts},
    {kVasEdit, &BoxDesign::Vas},
    {kXmaxEdit, &BoxDesign::Xmax},
    {kVrEdit, &BoxDesign::Vr},
    {kVfEdit, &BoxDesign::Vf},
    {kFbEdit, &BoxDesign::Fb},
    {kFlEdit, &BoxDesign::Fl},
    {kFhEdit, &BoxDesign::Fh},
    {kLpEdit, &BoxDesign::Lp},
    {kDpUnit, &BoxDesign::DpLabel},
    {kLpUnit, &BoxDesign::LpLabel},
    {kVasUnit, &BoxDesign::VasLabel},
    {kVfUnit, &BoxDesign::VfLabel},
    {kVrUnit, &BoxDesign::VrLabel},
    {kXmaxUnit, &BoxDesign::XmaxLabel},
    {kDiameterUnit, &BoxDesign::DiameterLabel},
};

}  // namespace resonara
