#include <QApplication>
#include <QColor>
#include <QImage>
#include <QIcon>
#include <QPalette>
#include <QWidget>

#include "program_icon.h"
#include "test_dialog.h"
#include "ui_test_fixture.h"

namespace resonara::testing {
namespace {

class DialogPaintTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        ASSERT_TRUE(dialog_.Create());
    }

    TestDialog dialog_{kLockedTemplate};
};

TEST_F(DialogPaintTest, PaintHookDrawsInClientCoordinatesOnTheErasedBackground) {
    const QImage image = dialog_.PaintClientToImage();
    ASSERT_EQ(image.size(), QSize(768, 554));
    const QColor background = dialog_.ClientArea()->palette().color(QPalette::Window);
    EXPECT_EQ(image.pixelColor(10, 10), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(29, 10), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(30, 10), background);
    EXPECT_EQ(image.pixelColor(0, 0), background);
    EXPECT_EQ(image.pixelColor(767, 553), background);
}

TEST_F(DialogPaintTest, InvalidateRepaintsTheClientArea) {
    dialog_.ShowWindow();
    QApplication::processEvents();
    const int before = dialog_.paints;
    dialog_.Invalidate();
    QApplication::processEvents();
    EXPECT_GT(dialog_.paints, before);
}

TEST_F(DialogPaintTest, SetIconBecomesTheWindowIcon) {
    dialog_.SetIcon(LoadIcon(kProgramIconId), true);
    EXPECT_TRUE(dialog_.Window()->windowIcon().availableSizes().contains(QSize(32, 32)));
    EXPECT_TRUE(dialog_.Window()->windowIcon().availableSizes().contains(QSize(16, 16)));
}

}  // namespace
}  // namespace resonara::testing
