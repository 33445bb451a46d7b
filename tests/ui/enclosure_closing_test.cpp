// How the main window ends: Exit and the close request run OK processing,
// so the window goes only when every field parses; Enter and Esc end nothing.
#include <functional>

#include "window_test_helpers.h"

namespace resonara::testing {
namespace {

using EnclosureClosingTest = MainWindowTest;

struct CloseWay {
    const char* name;
    std::function<void(CEnclosureDlg&)> close;
};

const CloseWay kCloseWays[] = {
    {"Exit menu item", [](CEnclosureDlg& window) { ChooseMenu(window, kFileExitCommand); }},
    {"close request", [](CEnclosureDlg& window) { window.RequestClose(); }},
    {"close box", [](CEnclosureDlg& window) { window.Window()->close(); }},
    {"system menu Close", [](CEnclosureDlg& window) { window.SendSysCommand(SC_CLOSE); }},
};

TEST_F(EnclosureClosingTest, EveryWayOfClosingEndsWithOkWhenTheFieldsParse) {
    for (const CloseWay& way : kCloseWays) {
        SCOPED_TRACE(way.name);
        CEnclosureDlg window;
        ASSERT_TRUE(window.Create());
        window.ShowWindow();
        TypeInto(window, kGainEdit, "2");
        way.close(window);
        EXPECT_TRUE(window.IsEnded());
        EXPECT_EQ(window.EndCode(), IDOK);
        EXPECT_EQ(window.Design().Gain, 2.0);
    }
}

// Diameter and Dp come before Fs in the exchange table and are taken; Gain
// comes after it and is not. Nothing is recalculated.
TEST_F(EnclosureClosingTest, LettersInFsKeepTheWindowOpenWithFsSelected) {
    for (const CloseWay& way : kCloseWays) {
        SCOPED_TRACE(way.name);
        CEnclosureDlg window;
        ASSERT_TRUE(window.Create());
        window.ShowWindow();
        TypeInto(window, kDiameterEdit, "25");
        TypeInto(window, kDpEdit, "20");
        TypeInto(window, kFsEdit, "abc");
        TypeInto(window, kGainEdit, "3");
        const std::size_t before = services_.MessageBoxes().size();
        services_.ExpectMessageBox();

        way.close(window);

        ASSERT_EQ(services_.MessageBoxes().size(), before + 1);
        EXPECT_EQ(services_.MessageBoxes().back().text, "Please enter a number.");
        EXPECT_EQ(services_.MessageBoxes().back().caption, kTestProgramName);
        EXPECT_EQ(services_.MessageBoxes().back().flags, 0x30u);
        EXPECT_FALSE(window.IsEnded());
        EXPECT_TRUE(window.Window()->isVisible());
        EXPECT_EQ(window.GetFocusId(), kFsEdit);
        EXPECT_EQ(EditControl(window, kFsEdit)->selectedText().toStdString(), "abc");
        EXPECT_EQ(window.Design().Diameter, 25.0);
        EXPECT_EQ(window.Design().Dp, 20.0);
        EXPECT_EQ(window.Design().Fs, 24.0);
        EXPECT_EQ(window.Design().Gain, 0.0);
        EXPECT_EQ(window.Design().calculated, 0);
        EXPECT_EQ(window.GetDlgItemText(kVfEdit), "0");
    }
}

// OK and Cancel, at which Enter and Esc are aimed, exist but are disabled.
TEST_F(EnclosureClosingTest, EnterInAnEditAndEscapeAnywhereEndNothing) {
    PressKey(window_.GetDlgItem(kQtsEdit), Qt::Key_Return);
    PressKey(window_.GetDlgItem(kGainEdit), Qt::Key_Enter);
    PressKey(window_.GetDlgItem(kQtsEdit), Qt::Key_Escape);
    PressKey(window_.GetDlgItem(kVfEdit), Qt::Key_Escape);
    PressKey(window_.Window(), Qt::Key_Escape);
    PressKey(window_.ClientArea(), Qt::Key_Escape);
    EXPECT_FALSE(window_.IsEnded());
    EXPECT_TRUE(window_.Window()->isVisible());
    EXPECT_EQ(Text(kVfEdit), "0");
    EXPECT_TRUE(services_.MessageBoxes().empty());
}

}  // namespace
}  // namespace resonara::testing
