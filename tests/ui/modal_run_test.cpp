#include <gtest/gtest-spi.h>

#include <QPushButton>

#include "test_dialog.h"
#include "ui_test_fixture.h"

namespace resonara::testing {
namespace {

using ModalRunTest = UiTest;

TEST_F(ModalRunTest, DoModalHandsTheShownDialogToTheRunAndReturnsItsEndCode) {
    TestDialog dialog(kOpenTemplate);
    dialog.record.value = 4.0;
    bool sawItUp = false;
    services_.ExpectModal([&](CDialog& running) {
        EXPECT_EQ(&running, &dialog);
        sawItUp = running.Window()->isVisible() && running.GetDlgItemText(kValueId) == "4";
        running.SetDlgItemText(kValueId, "5");
        qobject_cast<QPushButton*>(running.GetDlgItem(IDOK))->click();
    });

    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(sawItUp);
    EXPECT_EQ(dialog.record.value, 5.0);
    EXPECT_FALSE(dialog.HasWindow());
}

TEST_F(ModalRunTest, EndDialogCodeIsReturned) {
    TestDialog dialog(kOpenTemplate);
    services_.ExpectModal([](CDialog& running) { running.EndDialog(7); });
    EXPECT_EQ(dialog.DoModal(), 7);
}

TEST_F(ModalRunTest, SubDialogBelongsToItsOwnersWindowAndBlocksTheRest) {
    TestDialog owner(kLockedTemplate);
    ASSERT_TRUE(owner.Create());
    owner.ShowWindow();
    TestDialog sub(kOpenTemplate, &owner);
    services_.ExpectModal([&](CDialog& running) {
        EXPECT_EQ(running.Window()->parentWidget(), owner.Window());
        EXPECT_EQ(running.Window()->windowModality(), Qt::ApplicationModal);
        running.EndDialog(IDCANCEL);
    });
    EXPECT_EQ(sub.DoModal(), IDCANCEL);
    EXPECT_TRUE(owner.HasWindow());
}

TEST_F(ModalRunTest, ObjectKeepsItsDataBetweenRuns) {
    TestDialog dialog(kOpenTemplate);
    services_.ExpectModal([](CDialog& running) {
        running.SetDlgItemText(kValueId, "1.25");
        running.SendCommand(IDOK);
    });
    std::string shownAtSecondRun;
    services_.ExpectModal([&](CDialog& running) {
        shownAtSecondRun = running.GetDlgItemText(kValueId);
        running.SendCommand(IDCANCEL);
    });
    dialog.DoModal();
    dialog.DoModal();
    EXPECT_EQ(shownAtSecondRun, "1.25");
}

TEST_F(ModalRunTest, UnexpectedModalDialogFailsTheTestByName) {
    TestDialog dialog(kOpenTemplate);
    EXPECT_NONFATAL_FAILURE(EXPECT_EQ(dialog.DoModal(), IDCANCEL),
                            "unexpected modal dialog \"Open Test\" in ModalRunTest.UnexpectedModalDialogFailsTheTestByName");
}

TEST_F(ModalRunTest, DriverLeavingTheDialogOpenFailsTheTest) {
    TestDialog dialog(kOpenTemplate);
    services_.ExpectModal([](CDialog&) {});
    EXPECT_NONFATAL_FAILURE(dialog.DoModal(), "left open by its driver");
}

TEST_F(ModalRunTest, UnexpectedMessageBoxFailsTheTestByName) {
    EXPECT_NONFATAL_FAILURE(Services().MessageBox(nullptr, "Surprise", "Caption", MB_OK),
                            "unexpected message box \"Surprise\" in ModalRunTest.UnexpectedMessageBoxFailsTheTestByName");
}

TEST_F(ModalRunTest, ShellOpenIsRecorded) {
    Services().ShellOpen("https://example.org/speaker/index.php");
    EXPECT_EQ(services_.OpenedAddresses(), std::vector<std::string>{"https://example.org/speaker/index.php"});
}

}  // namespace
}  // namespace resonara::testing
