#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRect>

#include "test_dialog.h"
#include "ui_test_fixture.h"

namespace resonara::testing {
namespace {

class DialogBuilderTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        ASSERT_TRUE(open_.Create());
        ASSERT_TRUE(locked_.Create());
    }

    QLabel* LabelWithText(CDialog& dialog, const QString& text) {
        for (QLabel* label : dialog.ClientArea()->findChildren<QLabel*>()) {
            if (label->text() == text) return label;
        }
        return nullptr;
    }

    TestDialog open_{kOpenTemplate};
    TestDialog locked_{kLockedTemplate};
};

TEST_F(DialogBuilderTest, ControlsHaveTheirTemplateKindIdAndText) {
    auto* ok = qobject_cast<QPushButton*>(open_.GetDlgItem(IDOK));
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), "OK");
    EXPECT_TRUE(ok->isDefault());
    auto* cancel = qobject_cast<QPushButton*>(open_.GetDlgItem(IDCANCEL));
    ASSERT_NE(cancel, nullptr);
    EXPECT_FALSE(cancel->isDefault());

    auto* value = qobject_cast<QLineEdit*>(open_.GetDlgItem(kValueId));
    ASSERT_NE(value, nullptr);
    EXPECT_FALSE(value->isReadOnly());
    auto* result = qobject_cast<QLineEdit*>(open_.GetDlgItem(kResultId));
    ASSERT_NE(result, nullptr);
    EXPECT_TRUE(result->isReadOnly());

    auto* flag = qobject_cast<QCheckBox*>(open_.GetDlgItem(kFlagId));
    ASSERT_NE(flag, nullptr);
    EXPECT_EQ(flag->text(), "&Flag");
    EXPECT_NE(qobject_cast<QLabel*>(open_.GetDlgItem(kUnitId)), nullptr);
    EXPECT_EQ(open_.GetDlgItemText(kActionId), "&Action");
    EXPECT_EQ(open_.GetDlgItem(4711), nullptr);
    EXPECT_EQ(open_.GetDlgItemText(4711), "");
}

TEST_F(DialogBuilderTest, RightAlignedLabelIsAlignedRight) {
    QLabel* label = LabelWithText(open_, "&Value: ");
    ASSERT_NE(label, nullptr);
    EXPECT_TRUE(label->alignment() & Qt::AlignRight);
    EXPECT_TRUE(LabelWithText(open_, "Fish && Chips")->alignment() & Qt::AlignLeft);
}

TEST_F(DialogBuilderTest, MnemonicLabelLendsItsLetterToTheNextControl) {
    EXPECT_EQ(LabelWithText(open_, "&Value: ")->buddy(), open_.GetDlgItem(kValueId));
    EXPECT_EQ(LabelWithText(open_, "Fish && Chips")->buddy(), nullptr);
}

TEST_F(DialogBuilderTest, HiddenAndDisabledStylesHold) {
    EXPECT_TRUE(open_.GetDlgItem(kHiddenId)->isHidden());
    EXPECT_TRUE(open_.GetDlgItem(kHiddenId)->isEnabled());
    EXPECT_FALSE(open_.GetDlgItem(kDisabledId)->isHidden());
    EXPECT_FALSE(open_.GetDlgItem(kDisabledId)->isEnabled());
    EXPECT_FALSE(open_.GetDlgItem(IDOK)->isHidden());
    for (int id : {IDOK, IDCANCEL}) {
        EXPECT_TRUE(locked_.GetDlgItem(id)->isHidden()) << id;
        EXPECT_FALSE(locked_.GetDlgItem(id)->isEnabled()) << id;
    }
}

// Dialog units: x * 6 / 4 and y * 13 / 8, each rounded to the nearest pixel,
// halves up; worked by hand.
TEST_F(DialogBuilderTest, GeometryIsDialogUnitsInPixels) {
    struct Case {
        const char* name;
        int id;
        QRect pixels;
    };
    const Case cases[] = {
        {"edit 40,25 40x14", kValueId, QRect(60, 41, 60, 23)},      // 40.625 -> 41, 22.75 -> 23
        {"read-only 40,45 40x12", kResultId, QRect(60, 73, 60, 20)},  // 73.125 -> 73, 19.5 -> 20
        {"check 10,64 40x10", kFlagId, QRect(15, 104, 60, 16)},       // 16.25 -> 16
        {"label 81,45 25x8", kUnitId, QRect(122, 73, 38, 13)},       // 121.5 -> 122, 37.5 -> 38
    };
    for (const Case& c : cases) EXPECT_EQ(open_.GetDlgItem(c.id)->geometry(), c.pixels) << c.name;
    // 415,100 13x8: 622.5 -> 623, 162.5 -> 163, 19.5 -> 20.
    EXPECT_EQ(LabelWithText(locked_, "Lp: ")->geometry(), QRect(623, 163, 20, 13));
}

TEST_F(DialogBuilderTest, ClientAreaIsTheTemplateSizeBelowTheMenuBar) {
    EXPECT_EQ(locked_.ClientArea()->size(), QSize(768, 554));
    EXPECT_EQ(open_.ClientArea()->size(), QSize(300, 195));

    const auto* bar = locked_.Window()->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    locked_.Window()->adjustSize();
    EXPECT_GT(bar->height(), 0);
    EXPECT_EQ(locked_.ClientArea()->mapTo(locked_.Window(), QPoint(0, 0)), QPoint(0, bar->height()));
    EXPECT_EQ(open_.Window()->findChild<QMenuBar*>(), nullptr);
}

TEST_F(DialogBuilderTest, WindowHasTheTemplateCaptionAndAFixedSize) {
    EXPECT_EQ(open_.Window()->windowTitle(), "Open Test");
    open_.Window()->adjustSize();
    EXPECT_EQ(open_.Window()->minimumSize(), open_.Window()->maximumSize());
}

TEST_F(DialogBuilderTest, MenuBarHoldsTheTemplatePopupsAndItems) {
    const auto* bar = locked_.Window()->findChild<QMenuBar*>();
    ASSERT_EQ(bar->actions().size(), 1);
    EXPECT_EQ(bar->actions()[0]->text(), "&File");
    const QList<QAction*> items = bar->actions()[0]->menu()->actions();
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(items[0]->text(), "&Do");
    EXPECT_TRUE(items[1]->isSeparator());
    EXPECT_EQ(locked_.FindMenuItem(kMenuOtherCommand), items[2]);
    EXPECT_EQ(locked_.FindMenuItem(4711), nullptr);
}

TEST_F(DialogBuilderTest, TabOrderIsTemplateOrder) {
    const int expected[] = {IDOK, IDCANCEL, kValueId, kResultId, kFlagId, kLaterId, kActionId, kHiddenId, kDisabledId};
    std::vector<int> order;
    QWidget* first = open_.GetDlgItem(IDOK);
    QWidget* widget = first;
    do {
        for (int id : expected) {
            if (open_.GetDlgItem(id) == widget) order.push_back(id);
        }
        widget = widget->nextInFocusChain();
    } while (widget != first);
    EXPECT_EQ(order, std::vector<int>(std::begin(expected), std::end(expected)));
}

// A group box later in the template than the controls it frames must not
// catch their clicks.
TEST_F(DialogBuilderTest, GroupBoxStaysBehindTheControlsItFrames) {
    const QRect edit = open_.GetDlgItem(kValueId)->geometry();
    EXPECT_EQ(open_.ClientArea()->childAt(edit.center()), open_.GetDlgItem(kValueId));
    EXPECT_EQ(open_.ClientArea()->findChild<QGroupBox*>()->focusPolicy(), Qt::NoFocus);
}

TEST_F(DialogBuilderTest, IconControlShowsTheIconAtIconSize) {
    QLabel* icon = nullptr;
    for (QLabel* label : open_.ClientArea()->findChildren<QLabel*>()) {
        if (!label->pixmap().isNull()) icon = label;
    }
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->geometry(), QRect(225, 81, 32, 32));  // 150,50 -> 225, 81.25
    EXPECT_EQ(icon->pixmap().size(), QSize(32, 32));
}

TEST_F(DialogBuilderTest, InitialisationShowsTheRecordAndFocusesTheFirstTabStop) {
    TestDialog dialog(kLockedTemplate);
    dialog.record.value = 0.342;
    ASSERT_TRUE(dialog.Create());
    EXPECT_EQ(dialog.GetDlgItemText(kValueId), "0.342");
    // OK and Cancel are hidden, so the first tab stop is the value field, whole text selected.
    EXPECT_EQ(dialog.GetFocusId(), kValueId);
    EXPECT_EQ(qobject_cast<QLineEdit*>(dialog.GetDlgItem(kValueId))->selectedText(), "0.342");
    EXPECT_EQ(open_.GetFocusId(), IDOK);
}

TEST_F(DialogBuilderTest, InitialisationReportingFalseLeavesTheFocusAlone) {
    TestDialog dialog(kLockedTemplate);
    dialog.initFocus = false;
    ASSERT_TRUE(dialog.Create());
    EXPECT_EQ(dialog.GetFocusId(), kNoControlId);
}

TEST_F(DialogBuilderTest, EachCreateStartsFromTheTemplate) {
    open_.SetDlgItemText(kActionId, "Changed");
    open_.DestroyWindow();
    EXPECT_FALSE(open_.HasWindow());
    ASSERT_TRUE(open_.Create());
    EXPECT_EQ(open_.GetDlgItemText(kActionId), "&Action");
    EXPECT_FALSE(open_.Create());
}

}  // namespace
}  // namespace resonara::testing
