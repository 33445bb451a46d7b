// The response chart as it shows on screen: the main window's client area
// painted headless, and the chart drawn by the real Qt surface on an image of
// that size for curves that only a hand-filled record can hold. Texts are
// found by the position and colour of their cells, never by their glyphs.
#include <QFontMetrics>
#include <limits>
#include <vector>

#include "qt_surface.h"
#include "response_chart.h"
#include "window_test_helpers.h"

namespace resonara::testing {
namespace {

// The plot, columns 70..740 and rows 240..490.
constexpr int kPlotLeft = 70;
constexpr int kPlotRight = 740;
constexpr int kPlotTop = 240;
constexpr int kPlotBottom = 490;
constexpr int kGridRowStep_px = 25;
constexpr int kPlotRows = kPlotBottom - kPlotTop;  // 240..489 by column; row 490 is the axis

// x = trunc(((log10 f - 1) / 2) * 670 + 70) for f = 10..100 by 10, 200..1000 by 100.
constexpr int kGridColumns[] = {70, 170, 229, 271, 304, 330, 353, 372, 389, 405,
                                505, 564, 606, 639, 665, 688, 707, 724, 740};

bool IsGridColumn(int x) {
    for (int column : kGridColumns) {
        if (column == x) return true;
    }
    return false;
}

bool IsGridRow(int y) { return (y - kPlotTop) % kGridRowStep_px == 0; }

// Every pixel of the plot rows 240..489 shows the background, except on grid lines.
int BackgroundMismatches(const QImage& image) {
    int mismatches = 0;
    for (int y = kPlotTop; y < kPlotBottom; ++y) {
        for (int x = kPlotLeft; x <= kPlotRight; ++x) {
            if (IsGridColumn(x) || IsGridRow(y)) continue;
            mismatches += PixelAt(image, x, y) == kPlotBlueRgb ? 0 : 1;
        }
    }
    return mismatches;
}

void ExpectFrameAndGrid(const QImage& image) {
    EXPECT_EQ(BackgroundMismatches(image), 0);
    for (int y = kPlotTop + 1; y <= kPlotBottom + 1; ++y) EXPECT_EQ(PixelAt(image, 69, y), kBlackRgb) << "row " << y;
    for (int x = kPlotLeft; x <= kPlotRight; ++x) EXPECT_EQ(PixelAt(image, x, 491), kBlackRgb) << "column " << x;
    EXPECT_EQ(PixelAt(image, 740, 490), kBlackRgb);
    for (int x : kGridColumns) {
        EXPECT_EQ(CountPixels(image, QRect(x, kPlotTop, 1, kPlotRows), kGridGreyRgb), kPlotRows)
            << "grid column " << x;
    }
    for (int y = kPlotTop; y <= kPlotBottom; y += kGridRowStep_px) {
        EXPECT_EQ(CountPixels(image, QRect(kPlotLeft, y, kPlotRight - kPlotLeft, 1), kGridGreyRgb),
                  kPlotRight - kPlotLeft)
            << "grid row " << y;
    }
}

enum class Anchor { Left, Centre, Right };

// The opaque cell of `text` placed at (x, y): a rectangle as wide as the
// text's advance in the surface's font and as high as the font, its top at y
// and its anchored edge at x, all of it the cell colour but for the black
// text, with no cell colour in the row above, the row below or the columns
// beside it. Neighbouring cells may touch at a corner, so nothing wider is searched.
void ExpectTextCell(const QImage& image, Rgb cell, int x, int y, Anchor anchor, const char* text) {
    SCOPED_TRACE(text);
    const QFontMetrics metrics(QtSurface::DefaultFont(), const_cast<QImage*>(&image));
    const int width = metrics.horizontalAdvance(QString::fromUtf8(text));
    const int left = anchor == Anchor::Left ? x : anchor == Anchor::Centre ? x - width / 2 : x - width;
    const QRect expected(left, y, width, metrics.height());

    const int area = expected.width() * expected.height();
    const int black = CountPixels(image, expected, kBlackRgb);
    EXPECT_GT(black, 0);
    EXPECT_EQ(CountPixels(image, expected, cell) + black, area);
    EXPECT_EQ(CountPixels(image, QRect(left, y - 1, width, 1), cell), 0) << "row above";
    EXPECT_EQ(CountPixels(image, QRect(left, expected.bottom() + 1, width, 1), cell), 0) << "row below";
    EXPECT_EQ(CountPixels(image, QRect(left - 1, y, 1, expected.height()), cell), 0) << "column left";
    EXPECT_EQ(CountPixels(image, QRect(expected.right() + 1, y, 1, expected.height()), cell), 0) << "column right";
}

struct ModeTexts {
    const char* title;
    std::vector<const char*> levels;  // bottom grid line first
};

const ModeTexts kOutputTexts{"Frequency Response: Output vs. Frequency",
                             {"-25", "-20", "-15", "-10", "-5", "0", "5", "10", "15", "20", "25"}};
const ModeTexts kPowerTexts{"Power Response: Power vs. Frequency",
                            {"0", "15", "30", "45", "60", "75", "90", "105", "120", "135", "150"}};

void ExpectChartTexts(const QImage& image, const ModeTexts& mode) {
    const std::pair<int, const char*> frequencies[] = {
        {70, "10"}, {304, "50"}, {405, "100"}, {639, "500"}, {740, "1000"},
    };
    for (const auto& [x, text] : frequencies) ExpectTextCell(image, kLabelGreyRgb, x, 495, Anchor::Centre, text);
    ExpectTextCell(image, kLabelGreyRgb, 405, 515, Anchor::Centre, "Frequency(Hz)");
    ExpectTextCell(image, kLabelGreyRgb, 405, 210, Anchor::Centre, mode.title);
    for (std::size_t i = 0; i < mode.levels.size(); ++i) {
        const int top = kPlotBottom - 5 - kGridRowStep_px * static_cast<int>(i);
        ExpectTextCell(image, kLabelGreyRgb, 60, top, Anchor::Right, mode.levels[i]);
    }
    ExpectTextCell(image, kLabelGreyRgb, 40, 360, Anchor::Right, "dB");
}

// The legend: a red line from (550, 452) to (590, 452), and "Thermal Limit"
// on a cell of the plot's own blue with its left edge at 600 and its top at
// 442. The cell shows where it hides the grid columns that pass under it.
constexpr int kLegendTextLeft = 600;
constexpr int kLegendTextTop = 442;
constexpr QRect kLegendArea(545, 440, 180, 24);

QRect LegendCell(const QImage& image) {
    const QFontMetrics metrics(QtSurface::DefaultFont(), const_cast<QImage*>(&image));
    return {kLegendTextLeft, kLegendTextTop, metrics.horizontalAdvance("Thermal Limit"), metrics.height()};
}

void ExpectLegend(const QImage& image) {
    for (int x = 550; x <= 589; ++x) ASSERT_EQ(PixelAt(image, x, 452), kCurveRedRgb) << "legend line column " << x;
    EXPECT_NE(PixelAt(image, 549, 452), kCurveRedRgb);
    const QRect cell = LegendCell(image);
    int hiddenColumns = 0;
    for (int x : kGridColumns) {
        if (x < cell.left() || x > cell.right()) continue;
        ++hiddenColumns;
        EXPECT_EQ(CountPixels(image, QRect(x, cell.top(), 1, cell.height()), kGridGreyRgb), 0) << "column " << x;
        EXPECT_EQ(PixelAt(image, x, cell.top() - 1), kGridGreyRgb) << "column " << x;
        EXPECT_EQ(PixelAt(image, x, cell.bottom() + 1), kGridGreyRgb) << "column " << x;
    }
    EXPECT_GT(hiddenColumns, 0);
    const std::optional<QRect> text = BoundsOf(image, kLegendArea, kBlackRgb);
    ASSERT_TRUE(text.has_value());
    EXPECT_TRUE(cell.contains(*text)) << "text outside its cell";
}

void ExpectNoLegend(const QImage& image) {
    EXPECT_EQ(CountPixels(image, kLegendArea, kCurveRedRgb), 0);
    EXPECT_EQ(CountPixels(image, kLegendArea, kBlackRgb), 0);
    EXPECT_EQ(CountPixels(image, QRect(606, kPlotTop, 1, kPlotRows), kGridGreyRgb), kPlotRows);
}

constexpr QRect kPlotArea(kPlotLeft, kPlotTop, kPlotRight - kPlotLeft + 1, kPlotBottom - kPlotTop + 1);

// ---- The main window's client area --------------------------------------------

using MainWindowChartPixelsTest = MainWindowTest;

TEST_F(MainWindowChartPixelsTest, StartupShowsTheEmptyOutputChart) {
    const QImage image = window_.PaintClientToImage();
    ASSERT_EQ(image.size(), QSize(768, 554));
    ExpectFrameAndGrid(image);
    ExpectChartTexts(image, kOutputTexts);
    EXPECT_EQ(CountPixels(image, image.rect(), kCurveRedRgb), 0);
    EXPECT_EQ(CountPixels(image, image.rect(), kCurveGreenRgb), 0);
    ExpectNoLegend(image);
}

// The new title and labels show at the next paint, although the command asks for none.
TEST_F(MainWindowChartPixelsTest, PowerModeBeforeACalculationShowsItsTextsButNoCurveOrLegend) {
    Click(window_, kPowerResponseCheck);
    const QImage image = window_.PaintClientToImage();
    ExpectFrameAndGrid(image);
    ExpectChartTexts(image, kPowerTexts);
    EXPECT_EQ(CountPixels(image, image.rect(), kCurveRedRgb), 0);
    ExpectNoLegend(image);
}

// Curve A of the start-up design peaks at 0 dB near 54 Hz (x = 70 + 335 log10 5.4 = 315, y 366).
TEST_F(MainWindowChartPixelsTest, CalculationDrawsCurveAButNoLegend) {
    Calculate();
    const QImage image = window_.PaintClientToImage();
    EXPECT_GT(CountPixels(image, QRect(305, 364, 20, 5), kCurveRedRgb), 0);
    EXPECT_EQ(CountPixels(image, QRect(0, 0, 768, kPlotTop), kCurveRedRgb), 0);
    ExpectNoLegend(image);
    ExpectChartTexts(image, kOutputTexts);
}

TEST_F(MainWindowChartPixelsTest, PowerModeAfterACalculationDrawsTheThermalLimitAndItsLegend) {
    Calculate();
    Click(window_, kPowerResponseCheck);
    const QImage image = window_.PaintClientToImage();
    ExpectLegend(image);
    EXPECT_GT(CountPixels(image, QRect(kPlotLeft, kPlotTop + 1, 300, 248), kCurveRedRgb), 0);
    ExpectChartTexts(image, kPowerTexts);
}

// Minimised, the paint shows the 32 x 32 program icon centred in the client
// area, at ((768 - 32 + 1) / 2, (554 - 32 + 1) / 2) = (368, 261), and no chart.
TEST_F(MainWindowChartPixelsTest, MinimisedWindowPaintsItsIconInsteadOfTheChart) {
    Calculate();
    window_.SendSysCommand(SC_MINIMIZE);
    ASSERT_TRUE(window_.IsIconic());
    const QImage image = window_.PaintClientToImage();
    constexpr QPoint kIconCorner(368, 261);
    constexpr Rgb kIconRed{255, 0, 0};
    // Red bar in icon columns 7..25, black slot in rows 2..5 and columns 9..23.
    EXPECT_EQ(PixelAt(image, kIconCorner.x() + 7, kIconCorner.y() + 20), kIconRed);
    EXPECT_EQ(PixelAt(image, kIconCorner.x() + 25, kIconCorner.y()), kIconRed);
    EXPECT_EQ(PixelAt(image, kIconCorner.x() + 6, kIconCorner.y() + 20), kBlackRgb);
    EXPECT_EQ(PixelAt(image, kIconCorner.x() + 16, kIconCorner.y() + 3), kBlackRgb);
    EXPECT_EQ(CountPixels(image, image.rect(), kIconRed), 19 * 32 - 15 * 4);
    EXPECT_EQ(CountPixels(image, image.rect(), kPlotBlueRgb), 0);
    EXPECT_EQ(CountPixels(image, image.rect(), kCurveRedRgb), 0);
}

// ---- The chart on a hand-filled record ------------------------------------------

class ChartPixelsTest : public ::testing::Test {
protected:
    static QImage Draw(const BoxDesign& design) {
        QImage image(768, 554, QImage::Format_RGB32);
        image.fill(Qt::white);
        QtSurface surface(image);
        DrawResponseChart(surface, design);
        return image;
    }

    static BoxDesign OutputDesign(double level) {
        BoxDesign design;
        design.outputResponse = 1;
        design.calculated = 1;
        design.curveA.fill(level);
        return design;
    }

    static BoxDesign PowerDesign(double thermal) {
        BoxDesign design;
        design.powerResponse = 1;
        design.calculated = 1;
        design.curveC.fill(thermal);
        return design;
    }
};

// 0 dB maps to y = 1 - trunc(25 * 5 - 490) = 366, the points of 10 Hz and 999 Hz to x = 70 and 739.
TEST_F(ChartPixelsTest, FlatZeroDecibelCurveIsARedLineOnRow366) {
    const QImage image = Draw(OutputDesign(0));
    for (int x = 70; x <= 739; ++x) ASSERT_EQ(PixelAt(image, x, 366), kCurveRedRgb) << "column " << x;
    const std::optional<QRect> red = BoundsOf(image, image.rect(), kCurveRedRgb);
    ASSERT_TRUE(red.has_value());
    EXPECT_EQ(red->left(), 70);
    EXPECT_EQ(red->right(), 739);
    EXPECT_EQ(red->top(), 366);
    EXPECT_LE(red->bottom(), 367);
    EXPECT_EQ(PixelAt(image, 300, 365), kGridGreyRgb);
}

// One sample of a flat 0 dB curve changed: 15 Hz (x 128) between 14 Hz
// (x 118) and 16 Hz (x 138). −25 dB maps to 491, −24.9 to 490, +25.1 to 240:
// outside, so both segments touching the sample go; +25 maps to 241 and stays.
TEST_F(ChartPixelsTest, SegmentsTouchingASampleOffTheScaleAreLeftOut) {
    struct Row {
        const char* name;
        double level;
        bool drawn;
    };
    const Row rows[] = {
        {"-25 dB", -25.0, false},
        {"-24.9 dB", -24.9, false},
        {"+25 dB", 25.0, true},
        {"+25.1 dB", 25.1, false},
        {"not a number", std::numeric_limits<double>::quiet_NaN(), false},
    };
    constexpr std::size_t kSample15Hz = 5;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        BoxDesign design = OutputDesign(0);
        design.curveA[kSample15Hz] = row.level;
        const QImage image = Draw(design);
        EXPECT_EQ(PixelAt(image, 118, 366), kCurveRedRgb);
        EXPECT_EQ(PixelAt(image, 138, 366), kCurveRedRgb);
        const int between = CountPixels(image, QRect(119, 0, 19, image.height()), kCurveRedRgb);
        if (row.drawn) {
            EXPECT_GT(CountPixels(image, QRect(126, 241, 5, 2), kCurveRedRgb), 0);
            EXPECT_EQ(PixelAt(image, 128, 240), kGridGreyRgb);
        } else {
            EXPECT_EQ(between, 0);
        }
    }
}

// y = trunc(490 - v * 1.666666666): 0 gives 490, 149.4 gives 241, 150 gives 240.
TEST_F(ChartPixelsTest, PowerCurveIsDrawnOnlyInsideRows241To489) {
    struct Row {
        const char* name;
        double level;
        int row;
        bool drawn;
    };
    const Row rows[] = {{"0", 0.0, 490, false}, {"149.4", 149.4, 241, true}, {"150", 150.0, 240, false}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const QImage image = Draw(PowerDesign(row.level));
        const int red = CountPixels(image, QRect(kPlotLeft, row.row, 670, 1), kCurveRedRgb);
        EXPECT_EQ(red, row.drawn ? 670 : 0);
        ExpectLegend(image);
    }
}

TEST_F(ChartPixelsTest, PowerModeDrawsCurveBInGreen) {
    BoxDesign design = PowerDesign(0);
    design.curveB.fill(90.0);  // y = trunc(490 - 150) = 340
    const QImage image = Draw(design);
    EXPECT_EQ(CountPixels(image, QRect(kPlotLeft, 340, 670, 1), kCurveGreenRgb), 670);
}

TEST_F(ChartPixelsTest, NothingOfACurveOrLegendBeforeACalculation) {
    BoxDesign design = PowerDesign(100.0);
    design.curveB.fill(90.0);
    design.calculated = 0;
    const QImage image = Draw(design);
    EXPECT_EQ(CountPixels(image, kPlotArea, kCurveRedRgb), 0);
    EXPECT_EQ(CountPixels(image, kPlotArea, kCurveGreenRgb), 0);
    ExpectNoLegend(image);
    ExpectChartTexts(image, kPowerTexts);
}

// The title and labels follow the Output Response flag alone.
TEST_F(ChartPixelsTest, NeitherFlagShowsThePowerTextsAndNoCurve) {
    BoxDesign design = OutputDesign(0);
    design.outputResponse = 0;
    const QImage image = Draw(design);
    ExpectChartTexts(image, kPowerTexts);
    EXPECT_EQ(CountPixels(image, image.rect(), kCurveRedRgb), 0);
    ExpectFrameAndGrid(image);
}

}  // namespace
}  // namespace resonara::testing
