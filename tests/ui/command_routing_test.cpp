#include <QAction>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include "test_dialog.h"
#include "ui_test_fixture.h"

namespace resonara::testing {
namespace {

class CommandRoutingTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        ASSERT_TRUE(dialog_.Create());
        dialog_.ShowWindow();
    }

    void TearDown() override {
        if (dialog_.GetSystemMenu() != nullptr) dialog_.GetSystemMenu()->Menu().hide();
        UiTest::TearDown();
    }

    // A right click as the desktop delivers it, on the client area at `at`.
    void RightClick(QPoint at) {
        QWidget* target = dialog_.ClientArea()->childAt(at);
        if (target == nullptr) target = dialog_.ClientArea();
        const QPoint local = target->mapFrom(dialog_.ClientArea(), at);
        QContextMenuEvent event(QContextMenuEvent::Mouse, local, target->mapToGlobal(local));
        QApplication::sendEvent(target, &event);
    }

    TestDialog dialog_{kLockedTemplate};
};

TEST_F(CommandRoutingTest, ButtonClickReachesItsHandler) {
    qobject_cast<QPushButton*>(dialog_.GetDlgItem(kActionId))->click();
    EXPECT_EQ(dialog_.commands, std::vector<std::string>{"action"});
}

TEST_F(CommandRoutingTest, CheckBoxTogglesBeforeItsHandlerRuns) {
    auto* flag = qobject_cast<QCheckBox*>(dialog_.GetDlgItem(kFlagId));
    flag->click();
    EXPECT_EQ(dialog_.commands, std::vector<std::string>{"flag"});
    EXPECT_TRUE(dialog_.flagCheckedInHandler);
    flag->click();
    EXPECT_FALSE(dialog_.flagCheckedInHandler);
}

TEST_F(CommandRoutingTest, MenuItemReachesItsHandler) {
    dialog_.FindMenuItem(kMenuDoCommand)->trigger();
    EXPECT_EQ(dialog_.commands, std::vector<std::string>{"menu do"});
}

TEST_F(CommandRoutingTest, CommandWithoutHandlerDoesNothing) {
    dialog_.FindMenuItem(kMenuOtherCommand)->trigger();
    dialog_.SendCommand(4711);
    EXPECT_TRUE(dialog_.commands.empty());
    EXPECT_FALSE(dialog_.IsEnded());
}

TEST_F(CommandRoutingTest, SystemMenuHasTheUsualItemsAndWhatTheWindowAppends) {
    SystemMenu* menu = dialog_.GetSystemMenu();
    ASSERT_NE(menu, nullptr);
    menu->AppendSeparator();
    menu->AppendItem(kTestAboutCommand, "&About Test...");

    const QList<QAction*> items = menu->Menu().actions();
    ASSERT_EQ(items.size(), 4);
    EXPECT_EQ(items[0], menu->FindItem(SC_MINIMIZE));
    EXPECT_EQ(items[1], menu->FindItem(SC_CLOSE));
    EXPECT_TRUE(items[2]->isSeparator());
    EXPECT_EQ(items[3]->text(), "&About Test...");

    items[3]->trigger();
    EXPECT_EQ(dialog_.sysCommands, std::vector<unsigned>{kTestAboutCommand});
}

TEST_F(CommandRoutingTest, FrameWithoutMinimizeBoxHasNoMinimizeItem) {
    TestDialog open(kOpenTemplate);
    ASSERT_TRUE(open.Create());
    EXPECT_EQ(open.GetSystemMenu()->FindItem(SC_MINIMIZE), nullptr);
    EXPECT_NE(open.GetSystemMenu()->FindItem(SC_CLOSE), nullptr);
}

TEST_F(CommandRoutingTest, AltSpaceOpensTheSystemMenuWithoutTypingASpace) {
    QTest::keyClick(dialog_.GetDlgItem(kValueId), Qt::Key_Space, Qt::AltModifier);
    EXPECT_TRUE(dialog_.GetSystemMenu()->IsOpen());
    EXPECT_EQ(dialog_.GetDlgItemText(kValueId), "0");
}

TEST_F(CommandRoutingTest, RightClickOnTheBackgroundOpensTheSystemMenu) {
    RightClick(QPoint(700, 500));
    EXPECT_TRUE(dialog_.GetSystemMenu()->IsOpen());
}

TEST_F(CommandRoutingTest, RightClickOnALabelCountsAsBackground) {
    RightClick(QPoint(5, 43));  // inside the "&Value: " label
    EXPECT_TRUE(dialog_.GetSystemMenu()->IsOpen());
}

TEST_F(CommandRoutingTest, RightClickOnAnEditIsTheEditsOwn) {
    RightClick(dialog_.GetDlgItem(kValueId)->geometry().center());
    EXPECT_FALSE(dialog_.GetSystemMenu()->IsOpen());
    for (QMenu* popup : dialog_.GetDlgItem(kValueId)->findChildren<QMenu*>()) popup->close();
}

TEST_F(CommandRoutingTest, SystemCloseIsTheCloseRequestWhateverItsLowBits) {
    TestDialog open(kOpenTemplate);
    ASSERT_TRUE(open.Create());
    open.SendSysCommand(SC_CLOSE | 0x2);
    EXPECT_EQ(open.EndCode(), IDCANCEL);
}

TEST_F(CommandRoutingTest, SystemMinimizeMinimizesTheWindow) {
    dialog_.GetSystemMenu()->FindItem(SC_MINIMIZE)->trigger();
    EXPECT_TRUE(dialog_.IsIconic());
}

}  // namespace
}  // namespace resonara::testing
