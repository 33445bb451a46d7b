#include "window_invariants.h"

#include <QApplication>
#include <QWidget>
#include <span>
#include <string>

#include "box_calc_dlg.h"
#include "box_calculator_labels_shown.h"
#include "enclosure_dlg.h"
#include "number_text.h"

namespace resonara::monkey {
namespace {

struct FlagRow {
    int control;
    int BoxDesign::*flag;
};

constexpr FlagRow kGraphModes[] = {
    {kOutputResponseCheck, &BoxDesign::outputResponse},
    {kPowerResponseCheck, &BoxDesign::powerResponse},
};

constexpr FlagRow kSOptions[] = {
    {kS05Check, &BoxDesign::s05},
    {kS06Check, &BoxDesign::s06},
    {kS07Check, &BoxDesign::s07},
};

struct UnitLabelRow {
    int control;
    std::string BoxDesign::*text;
    const char* metric;
    const char* english;
};

constexpr UnitLabelRow kUnitLabels[] = {
    {kVasUnit, &BoxDesign::VasLabel, " liters", " ft3"},
    {kDiameterUnit, &BoxDesign::DiameterLabel, " cm", " in"},
    {kXmaxUnit, &BoxDesign::XmaxLabel, " mm", " in"},
    {kDpUnit, &BoxDesign::DpLabel, " cm", " in"},
    {kVfUnit, &BoxDesign::VfLabel, " liters", " in3"},
    {kVrUnit, &BoxDesign::VrLabel, " liters", " in3"},
    {kLpUnit, &BoxDesign::LpLabel, " cm", " in"},
};


constexpr int kMainDoubleFields[] = {kDiameterEdit, kDpEdit, kFsEdit, kGainEdit, kPortsEdit,
                                     kPmaxEdit,     kQesEdit, kQtsEdit, kVasEdit, kXmaxEdit};
constexpr int kMainFloatFields[] = {kVrEdit, kVfEdit, kFbEdit, kFlEdit, kFhEdit, kLpEdit};
constexpr int kBoxFloatFields[] = {kBoxVfEdit,         kBoxVrEdit,         kBoxPortVolumeEdit, kBoxTotalVolumeEdit,
                                   kBoxLengthEdit,     kBoxWidthEdit,      kBoxFrontDepthEdit, kBoxRearDepthEdit,
                                   kBoxAddlVfEdit,     kBoxAddlVrEdit,     kBoxTotalVfEdit,    kBoxTotalVrEdit};

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// Exactly one flag of the group is 1, the others 0, and each box shows its flag.
void CheckOneOf(const CEnclosureDlg& window, std::span<const FlagRow> group, const char* what, Findings& findings) {
    int set = 0;
    std::string flags;
    for (const FlagRow& row : group) {
        const int flag = window.Design().*row.flag;
        flags += std::to_string(flag);
        if (flag == 1) ++set;
        if (flag != 0 && flag != 1) findings.Add(std::string(what) + " flag " + std::to_string(flag));
        if (window.IsDlgButtonChecked(row.control) != (flag == 1)) {
            findings.Add("check box " + std::to_string(row.control) + " shows other than its flag " +
                         std::to_string(flag));
        }
    }
    if (set != 1) findings.Add(std::string(what) + " flags " + flags + ": not exactly one set");
}

void CheckUnits(const CEnclosureDlg& window, Findings& findings) {
    const BoxDesign& design = window.Design();
    if (design.english == design.metric) {
        findings.Add("English flag " + std::to_string(design.english) + " and Metric flag " +
                     std::to_string(design.metric));
    }
    for (const UnitLabelRow& row : kUnitLabels) {
        const std::string expected = design.english ? row.english : row.metric;
        const std::string& held = design.*row.text;
        const std::string shown = window.GetDlgItemText(row.control);
        if (held != expected || shown != expected) {
            findings.Add("unit label " + std::to_string(row.control) + " holds " + Quoted(held) + " and shows " +
                         Quoted(shown) + ", expected " + Quoted(expected));
        }
    }
}

void CheckControlsExist(const CDialog& window, Findings& findings) {
    if (window.Window() == nullptr || !window.Window()->isVisible()) {
        findings.Add("the main window is gone or hidden");
        return;
    }
    for (const ControlTemplate& control : window.Template().controls) {
        if (control.id != kNoControlId && window.GetDlgItem(control.id) == nullptr) {
            findings.Add("control " + std::to_string(control.id) + " is gone");
        }
    }
}

template <class Parse>
void CheckReadBack(const CDialog& dialog, const char* windowName, std::span<const int> fields, Parse parse,
                   Findings& findings) {
    for (int id : fields) {
        const std::string text = dialog.GetDlgItemText(id);
        if (!parse(text)) {
            findings.Add(std::string(windowName) + " field " + std::to_string(id) + " shows " + Quoted(text) +
                         ", which does not read back");
        }
    }
}

}  // namespace

void CheckMainWindow(const CEnclosureDlg& window, Findings& findings) {
    CheckControlsExist(window, findings);
    if (!window.HasWindow()) return;
    CheckOneOf(window, kSOptions, "S option", findings);
    CheckOneOf(window, kGraphModes, "graph mode", findings);
    CheckUnits(window, findings);
}

void CheckMainFieldsReadBack(const CDialog& window, Findings& findings) {
    CheckReadBack(window, "main window", kMainDoubleFields,
                  [](const std::string& text) { return ParseDouble(text).has_value(); }, findings);
    CheckReadBack(window, "main window", kMainFloatFields,
                  [](const std::string& text) { return ParseFloat(text).has_value(); }, findings);
}

void CheckBoxFieldsReadBack(const CDialog& box, Findings& findings) {
    CheckReadBack(box, "Box Calculator", kBoxFloatFields,
                  [](const std::string& text) { return ParseFloat(text).has_value(); }, findings);
}

void CheckBoxCalculatorLabels(const CDialog& box, bool english, Findings& findings) {
    for (const testing::BoxLabelShown& row : testing::kBoxLabelsShown) {
        const std::string expected = english ? row.english : row.metric;
        const std::string shown = box.GetDlgItemText(row.control);
        if (shown != expected) {
            findings.Add("Box Calculator label " + std::to_string(row.control) + " shows " + Quoted(shown) +
                         ", expected " + Quoted(expected));
        }
    }
}

void CheckNoOtherWindowOpen(const QWidget* mainWindow, Findings& findings) {
    if (const QWidget* modal = QApplication::activeModalWidget()) {
        findings.Add("modal window \"" + modal->windowTitle().toStdString() + "\" left open");
    }
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        if (window != mainWindow && window->isVisible()) {
            findings.Add("window \"" + window->windowTitle().toStdString() + "\" (" +
                         window->metaObject()->className() + ") left open");
        }
    }
}

}  // namespace resonara::monkey
