#include <QAbstractButton>
#include <QAction>

#include "enclosure_dlg.h"
#include "ui_test_fixture.h"

// Faults the monkey found, each held by a focused test of the real window.
namespace resonara::testing {
namespace {

using MonkeyFindingsTest = UiTest;

// The largest double, typed, is a valid number. Shown with 15 significant
// digits it becomes 1.79769313486232e+308, just above the largest double, and
// that text must still read back: else every later data exchange in stops at
// the field with "Please enter a number.", and Exit can no longer end the
// window, though the user typed nothing wrong since.
TEST_F(MonkeyFindingsTest, LargestDoubleShownInAFieldReadsBackAtTheNextExchange) {
    for (const char* typed : {"1.7976931348623157e308", "-1.7976931348623157e308"}) {
        CEnclosureDlg window;
        ASSERT_TRUE(window.Create());
        window.ShowWindow();
        window.SetDlgItemText(kGainEdit, typed);
        // A graph mode before any calculation exchanges in and out and computes nothing.
        static_cast<QAbstractButton*>(window.GetDlgItem(kPowerResponseCheck))->click();
        ASSERT_TRUE(services_.MessageBoxes().empty()) << typed << " was refused as typed";

        window.FindMenuItem(kFileExitCommand)->trigger();
        EXPECT_TRUE(window.IsEnded()) << typed << " shown as \"" << window.GetDlgItemText(kGainEdit)
                                      << "\" does not read back";
        if (!services_.MessageBoxes().empty()) break;  // the box has failed the test by name
    }
}

}  // namespace
}  // namespace resonara::testing
