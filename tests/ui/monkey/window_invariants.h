#pragma once

#include "findings.h"

class QWidget;

namespace resonara {
class CDialog;
class CEnclosureDlg;
}  // namespace resonara

namespace resonara::monkey {

// What must hold of the main window between any two events: one S option
// and one graph mode set in the record and shown checked, the English and
// Metric flags opposite, the unit labels of the system in force in the
// record and on screen, the window and all its controls there. Each broken
// rule is added to `findings`.
void CheckMainWindow(const CEnclosureDlg& window, Findings& findings);

// After a command that ends in a data exchange out: every number field shows
// a text that data exchange in reads back.
void CheckMainFieldsReadBack(const CDialog& window, Findings& findings);
void CheckBoxFieldsReadBack(const CDialog& box, Findings& findings);

// The Box Calculator's twelve labels are those of the unit system it was opened in.
void CheckBoxCalculatorLabels(const CDialog& box, bool english, Findings& findings);

// No modal window is active and no top-level window other than `mainWindow` is shown.
void CheckNoOtherWindowOpen(const QWidget* mainWindow, Findings& findings);

}  // namespace resonara::monkey
