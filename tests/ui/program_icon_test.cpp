#include <gtest/gtest.h>

#include <QColor>
#include <QIcon>
#include <QImage>
#include <QPixmap>

#include "program_icon.h"

namespace resonara::testing {
namespace {

const QColor kRed(255, 0, 0);
const QColor kBlack(0, 0, 0);

QImage IconImage(int size) { return LoadIcon(kProgramIconId).pixmap(QSize(size, size), 1.0).toImage(); }

struct Pixel {
    const char* name;
    int x, y;
    QColor color;
};

// Worked from the icon's description: 32 x 32 red in columns 7 to 25, a black
// slot in rows 2 to 5 and columns 9 to 23; 16 x 16 red in columns 3 to 12, a
// slot in rows 2 and 3 and columns 5 to 10.
TEST(ProgramIconTest, BothSizesShowTheRedBarWithItsSlot) {
    const Pixel big[] = {
        {"left of bar", 6, 0, kBlack},      {"bar's first column", 7, 0, kRed},  {"bar's last column", 25, 31, kRed},
        {"right of bar", 26, 31, kBlack},   {"bar beside slot", 8, 2, kRed},     {"slot top left", 9, 2, kBlack},
        {"slot bottom right", 23, 5, kBlack}, {"below slot", 9, 6, kRed},        {"above slot", 16, 1, kRed},
        {"bar right of slot", 24, 5, kRed}, {"corner", 0, 0, kBlack},
    };
    const Pixel small[] = {
        {"left of bar", 2, 8, kBlack},     {"bar's first column", 3, 0, kRed}, {"bar's last column", 12, 15, kRed},
        {"right of bar", 13, 8, kBlack},   {"slot top left", 5, 2, kBlack},    {"slot bottom right", 10, 3, kBlack},
        {"below slot", 5, 4, kRed},        {"beside slot", 4, 3, kRed},        {"right of slot", 11, 2, kRed},
    };
    const QImage image32 = IconImage(32);
    ASSERT_EQ(image32.size(), QSize(32, 32));
    for (const Pixel& p : big) EXPECT_EQ(image32.pixelColor(p.x, p.y), p.color) << "32: " << p.name;
    const QImage image16 = IconImage(16);
    ASSERT_EQ(image16.size(), QSize(16, 16));
    for (const Pixel& p : small) EXPECT_EQ(image16.pixelColor(p.x, p.y), p.color) << "16: " << p.name;
}

TEST(ProgramIconTest, RedCoversExactlyTheBarLessTheSlot) {
    const QImage image = IconImage(32);
    int red = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) red += image.pixelColor(x, y) == kRed ? 1 : 0;
    }
    EXPECT_EQ(red, 19 * 32 - 15 * 4);
}

TEST(ProgramIconTest, UnknownIconIsNull) { EXPECT_TRUE(LoadIcon(1).isNull()); }

}  // namespace
}  // namespace resonara::testing
