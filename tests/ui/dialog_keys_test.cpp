#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "test_dialog.h"
#include "ui_test_fixture.h"

namespace resonara::testing {
namespace {

// OK and Cancel processing, and Enter, Esc and the close request with OK and
// Cancel enabled (open) or hidden and disabled (locked).
class DialogKeysTest : public UiTest {
protected:
    void Start(TestDialog& dialog) {
        dialog.record.value = 1.5;
        ASSERT_TRUE(dialog.Create());
        dialog.ShowWindow();
    }

    void Press(TestDialog& dialog, int control, Qt::Key key) { QTest::keyClick(dialog.GetDlgItem(control), key); }

    TestDialog open_{kOpenTemplate};
    TestDialog locked_{kLockedTemplate};
};

TEST_F(DialogKeysTest, OkButtonTakesTheFieldsAndEndsWithOk) {
    Start(open_);
    open_.SetDlgItemText(kValueId, "2.25");
    qobject_cast<QPushButton*>(open_.GetDlgItem(IDOK))->click();
    EXPECT_TRUE(open_.IsEnded());
    EXPECT_EQ(open_.EndCode(), IDOK);
    EXPECT_EQ(open_.record.value, 2.25);
    EXPECT_FALSE(open_.Window()->isVisible());
}

TEST_F(DialogKeysTest, OkWithABadFieldStaysOpen) {
    Start(open_);
    open_.SetDlgItemText(kValueId, "x");
    services_.ExpectMessageBox();
    open_.SendCommand(IDOK);
    EXPECT_FALSE(open_.IsEnded());
    EXPECT_EQ(open_.GetFocusId(), kValueId);
}

TEST_F(DialogKeysTest, CancelButtonEndsWithCancelAndTakesNothing) {
    Start(open_);
    open_.SetDlgItemText(kValueId, "x");
    qobject_cast<QPushButton*>(open_.GetDlgItem(IDCANCEL))->click();
    EXPECT_TRUE(open_.IsEnded());
    EXPECT_EQ(open_.EndCode(), IDCANCEL);
    EXPECT_EQ(open_.record.value, 1.5);
}

TEST_F(DialogKeysTest, EnterInAnEditRunsTheDefaultButton) {
    Start(open_);
    open_.SetDlgItemText(kValueId, "3");
    Press(open_, kValueId, Qt::Key_Return);
    EXPECT_EQ(open_.EndCode(), IDOK);
    EXPECT_EQ(open_.record.value, 3.0);
}

TEST_F(DialogKeysTest, EnterOnAFocusedPushButtonRunsThatButton) {
    Start(open_);
    open_.GotoDlgCtrl(kActionId);
    Press(open_, kActionId, Qt::Key_Enter);
    EXPECT_EQ(open_.commands, std::vector<std::string>{"action"});
    EXPECT_FALSE(open_.IsEnded());
}

TEST_F(DialogKeysTest, EscapeCancels) {
    Start(open_);
    Press(open_, kLaterId, Qt::Key_Escape);
    EXPECT_EQ(open_.EndCode(), IDCANCEL);
}

TEST_F(DialogKeysTest, CloseRequestCancels) {
    Start(open_);
    open_.Window()->close();
    EXPECT_TRUE(open_.IsEnded());
    EXPECT_EQ(open_.EndCode(), IDCANCEL);
}

TEST_F(DialogKeysTest, DisabledOkAndCancelIgnoreEnterEscapeAndClose) {
    Start(locked_);
    Press(locked_, kValueId, Qt::Key_Return);
    Press(locked_, kValueId, Qt::Key_Escape);
    locked_.Window()->close();
    EXPECT_FALSE(locked_.IsEnded());
    EXPECT_TRUE(locked_.Window()->isVisible());
    EXPECT_TRUE(locked_.commands.empty());
}

TEST_F(DialogKeysTest, CloseRequestRunningOkProcessingEndsWhenFieldsParse) {
    locked_.closeRunsOk = true;
    Start(locked_);
    locked_.SetDlgItemText(kValueId, "8");
    locked_.RequestClose();
    EXPECT_EQ(locked_.EndCode(), IDOK);
    EXPECT_EQ(locked_.record.value, 8.0);
}

TEST_F(DialogKeysTest, CloseRequestRunningOkProcessingStaysOpenOnABadField) {
    locked_.closeRunsOk = true;
    Start(locked_);
    locked_.SetDlgItemText(kLaterId, "eight");
    services_.ExpectMessageBox();
    locked_.RequestClose();
    EXPECT_FALSE(locked_.IsEnded());
    EXPECT_EQ(locked_.GetFocusId(), kLaterId);
}

TEST_F(DialogKeysTest, OtherKeysReachTheControls) {
    Start(open_);
    open_.GotoDlgCtrl(kValueId);
    QTest::keyClicks(open_.GetDlgItem(kValueId), "42");
    EXPECT_EQ(open_.GetDlgItemText(kValueId), "42");
    QTest::keyClicks(open_.GetDlgItem(kResultId), "42");
    EXPECT_EQ(open_.GetDlgItemText(kResultId), "0");
    EXPECT_FALSE(open_.IsEnded());
}

}  // namespace
}  // namespace resonara::testing
