// The installed theme icons, pixel by pixel, against the picture of icon 128:
// fully opaque, black, with a red (255, 0, 0) upright bar over the whole
// height and a black slot near the top of the bar.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QString>
#include <ostream>
#include <string>

#include "scratch_install.h"

namespace resonara::test {
namespace {

// Column and row ranges include both ends.
struct IconCase {
    const char* name;
    int size_px;
    int barFirstColumn, barLastColumn;
    int slotFirstRow, slotLastRow;
    int slotFirstColumn, slotLastColumn;
};

constexpr IconCase kIconCases[] = {
    {"Size32", 32, 7, 25, 2, 5, 9, 23},
    {"Size16", 16, 3, 12, 2, 3, 5, 10},
};

bool Within(int value, int first, int last) { return value >= first && value <= last; }

QColor ExpectedColour(const IconCase& icon, int column, int row) {
    const bool slot = Within(row, icon.slotFirstRow, icon.slotLastRow) &&
                      Within(column, icon.slotFirstColumn, icon.slotLastColumn);
    const bool bar = Within(column, icon.barFirstColumn, icon.barLastColumn) && !slot;
    return bar ? QColor(255, 0, 0) : QColor(0, 0, 0);
}

void PrintTo(const IconCase& icon, std::ostream* out) { *out << icon.size_px << "x" << icon.size_px; }

class InstalledIconTest : public ::testing::TestWithParam<IconCase> {};

TEST_P(InstalledIconTest, IsTheOpaqueRedBarWithItsSlot) {
    const IconCase& icon = GetParam();
    const ScratchInstall installed;
    ASSERT_EQ(installed.InstallOutput().exitStatus, 0) << installed.InstallOutput().text;
    const std::string size = std::to_string(icon.size_px);
    const auto file =
        installed.Path("share/icons/hicolor/" + size + "x" + size + "/apps/example.resonara.Resonara.png");

    const QImage image(QString::fromStdString(file.string()));
    ASSERT_FALSE(image.isNull()) << file;
    ASSERT_EQ(image.width(), icon.size_px);
    ASSERT_EQ(image.height(), icon.size_px);
    EXPECT_FALSE(image.hasAlphaChannel());
    int wrong = 0;
    for (int row = 0; row < icon.size_px; ++row) {
        for (int column = 0; column < icon.size_px; ++column) {
            const QColor expected = ExpectedColour(icon, column, row);
            if (image.pixelColor(column, row) != expected && ++wrong <= 5)
                ADD_FAILURE() << "pixel (" << column << ", " << row << ") should be "
                              << expected.name().toStdString() << ", is "
                              << image.pixelColor(column, row).name().toStdString();
        }
    }
    EXPECT_EQ(wrong, 0);
}

INSTANTIATE_TEST_SUITE_P(ThemeIcons, InstalledIconTest, ::testing::ValuesIn(kIconCases),
                         [](const ::testing::TestParamInfo<IconCase>& info) { return info.param.name; });

}  // namespace
}  // namespace resonara::test
