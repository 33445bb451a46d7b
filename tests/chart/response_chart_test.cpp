#include "response_chart.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "chart_fixtures.h"
#include "recording_surface.h"

namespace resonara {
namespace {

using namespace test;

RecordingSurface Drawn(const BoxDesign& design) {
    RecordingSurface surface(kMainClient);
    DrawResponseChart(surface, design);
    return surface;
}

TEST(ResponseChart, DrawsBackgroundColumnsThenFrameThenGrid) {
    const std::vector<LineOp> lines = Drawn(ChartDesign(1, 0, 0)).Lines();
    ASSERT_EQ(lines.size(), kPlotStructureLines);

    std::size_t next = 0;
    for (int x = 70; x <= 740; ++x, ++next) {
        ASSERT_EQ(lines[next], (LineOp{{x, 240}, {x, 490}, kBackgroundPen})) << "column " << x;
    }

    const Point frame[] = {{70, 240}, {70, 490}, {740, 490}, {740, 491}, {69, 491}, {69, 240}};
    for (std::size_t i = 0; i + 1 < std::size(frame); ++i, ++next) {
        EXPECT_EQ(lines[next], (LineOp{frame[i], frame[i + 1], kFramePen}));
    }

    const int gridColumns[] = {70, 170, 229, 271, 304, 330, 353, 372, 389, 405,
                               505, 564, 606, 639, 665, 688, 707, 724, 740};
    for (int x : gridColumns) EXPECT_EQ(lines[next++], (LineOp{{x, 240}, {x, 490}, kGridPen}));
    for (int y = 490; y >= 240; y -= 25) EXPECT_EQ(lines[next++], (LineOp{{70, y}, {740, y}, kGridPen}));
}

struct TextCase {
    const char* name;
    int outputResponse;
    int powerResponse;
    std::string title;
    std::array<std::string, 11> levels;  // bottom grid line first
};

// The labels of the title and the level axis follow the Output Response flag alone.
TEST(ResponseChart, DrawsTextsOfTheModeChosenByTheOutputFlag) {
    const std::array<std::string, 11> outputLevels{"-25", "-20", "-15", "-10", "-5", "0", "5", "10", "15", "20", "25"};
    const std::array<std::string, 11> powerLevels{"0", "15", "30", "45", "60", "75", "90", "105", "120", "135", "150"};
    const std::string outputTitle = "Frequency Response: Output vs. Frequency";
    const std::string powerTitle = "Power Response: Power vs. Frequency";
    const TextCase cases[] = {
        {"output mode", 1, 0, outputTitle, outputLevels},
        {"power mode", 0, 1, powerTitle, powerLevels},
        {"neither flag", 0, 0, powerTitle, powerLevels},
        {"output flag 2 is not 1", 2, 0, powerTitle, powerLevels},
    };
    const unsigned centre = TA_CENTER | TA_TOP;
    const unsigned right = TA_RIGHT | TA_TOP;
    for (const TextCase& c : cases) {
        std::vector<TextOp> expected{
            {{70, 495}, centre, kLabelGrey, "10"},    {{304, 495}, centre, kLabelGrey, "50"},
            {{405, 495}, centre, kLabelGrey, "100"},  {{639, 495}, centre, kLabelGrey, "500"},
            {{740, 495}, centre, kLabelGrey, "1000"}, {{405, 515}, centre, kLabelGrey, "Frequency(Hz)"},
            {{405, 210}, centre, kLabelGrey, c.title},
        };
        for (std::size_t i = 0; i < c.levels.size(); ++i) {
            expected.push_back({{60, 485 - 25 * static_cast<int>(i)}, right, kLabelGrey, c.levels[i]});
        }
        expected.push_back({{40, 360}, right, kLabelGrey, "dB"});

        // Before any calculation: the texts of the mode and nothing else.
        EXPECT_EQ(Drawn(ChartDesign(c.outputResponse, c.powerResponse, 0)).Texts(), expected) << c.name;
    }
}

struct FlagCase {
    const char* name;
    int outputResponse;
    int powerResponse;
    int calculated;
    std::size_t curveA;  // red segments on row 366
    std::size_t curveB;  // green segments on row 390
    std::size_t curveC;  // red segments on row 340
    bool legend;
};

TEST(ResponseChart, DrawsCurvesOfEachSetFlagOnlyOnceCalculated) {
    const std::size_t full = kFullCurveSegments;
    const FlagCase cases[] = {
        {"output mode, calculated", 1, 0, 1, full, 0, 0, false},
        {"power mode, calculated", 0, 1, 1, 0, full, full, true},
        {"output mode, not calculated", 1, 0, 0, 0, 0, 0, false},
        {"power mode, not calculated", 0, 1, 0, 0, 0, 0, false},
        {"calculated flag 2 is not 1", 0, 1, 2, 0, 0, 0, false},
        {"neither flag, calculated", 0, 0, 1, 0, 0, 0, false},
        {"both flags, each on its own", 1, 1, 1, full, full, full, true},
    };
    for (const FlagCase& c : cases) {
        const RecordingSurface surface = Drawn(ChartDesign(c.outputResponse, c.powerResponse, c.calculated));
        const std::vector<LineOp> red = LinesWithPen(surface, kRedCurvePen);
        const std::vector<LineOp> green = LinesWithPen(surface, kGreenCurvePen);
        const std::size_t legendLines = c.legend ? 1 : 0;

        EXPECT_EQ(surface.Lines().size(), kPlotStructureLines + c.curveA + c.curveB + c.curveC + legendLines) << c.name;
        EXPECT_EQ(CountOnRow(red, 366), c.curveA) << c.name;
        EXPECT_EQ(CountOnRow(green, 390), c.curveB) << c.name;
        EXPECT_EQ(CountOnRow(red, 340), c.curveC) << c.name;
        EXPECT_EQ(CountOnRow(red, 452), legendLines) << c.name;
        EXPECT_EQ(surface.Texts().back().text == "Thermal Limit", c.legend) << c.name;
    }
}

TEST(ResponseChart, FlatZeroDecibelCurveRunsOnRow366From70To739) {
    const std::vector<LineOp> curve = LinesWithPen(Drawn(ChartDesign(1, 0, 1)), kRedCurvePen);
    ASSERT_EQ(curve.size(), kFullCurveSegments);
    EXPECT_EQ(CountOnRow(curve, 366), kFullCurveSegments);
    EXPECT_EQ(curve.front(), (LineOp{{70, 366}, {83, 366}, kRedCurvePen}));
    EXPECT_EQ(curve[1], (LineOp{{83, 366}, {96, 366}, kRedCurvePen}));
    // 998 Hz and 999 Hz share column 739.
    EXPECT_EQ(curve.back(), (LineOp{{739, 366}, {739, 366}, kRedCurvePen}));
    for (std::size_t i = 0; i + 1 < curve.size(); ++i) ASSERT_EQ(curve[i].to, curve[i + 1].from) << "segment " << i;
}

TEST(ResponseChart, PowerModeDrawsGreenThenRedThenLegend) {
    const RecordingSurface surface = Drawn(ChartDesign(0, 1, 1));
    const std::vector<DrawOp>& ops = surface.Operations();
    const std::size_t firstCurve = kPlotStructureLines + 19;  // after the structure lines and the texts
    ASSERT_EQ(ops.size(), firstCurve + 2 * kFullCurveSegments + 2);

    EXPECT_EQ(ops[firstCurve], DrawOp(LineOp{{70, 390}, {83, 390}, kGreenCurvePen}));
    EXPECT_EQ(ops[firstCurve + kFullCurveSegments], DrawOp(LineOp{{70, 340}, {83, 340}, kRedCurvePen}));
    EXPECT_EQ(ops[ops.size() - 2], DrawOp(LineOp{{550, 452}, {590, 452}, kRedCurvePen}));
    EXPECT_EQ(ops.back(), DrawOp(TextOp{{600, 442}, TA_LEFT | TA_TOP, kLegendBlue, "Thermal Limit"}));
}

struct SampleCase {
    const char* name;
    int mode;              // 1 output (curve A), 0 power (curve B)
    std::size_t index;     // the sample changed
    double level;
    std::size_t segments;  // segments of that curve drawn
    int row;               // row of the changed point, when drawn
};

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// A segment is drawn only when both its ends lie strictly inside the plot;
// one sample outside removes the segments on either side of it.
TEST(ResponseChart, SampleOutsideThePlotRemovesItsTwoSegments) {
    const std::size_t full = kFullCurveSegments;
    const SampleCase cases[] = {
        {"+25 dB on row 241 is drawn", 1, 500, 25.0, full, 241},
        {"+25.1 dB on the top edge", 1, 500, 25.1, full - 2, 0},
        {"-24.9 dB on the bottom edge", 1, 500, -24.9, full - 2, 0},
        {"-25 dB below the plot", 1, 500, -25.0, full - 2, 0},
        {"NaN inside the curve", 1, 500, kNaN, full - 2, 0},
        {"NaN at 10 Hz", 1, 0, kNaN, full - 1, 0},
        {"NaN at 999 Hz", 1, 989, kNaN, full - 1, 0},
        {"+inf", 1, 500, kInf, full - 2, 0},
        {"-inf", 1, 500, -kInf, full - 2, 0},
        {"1e300 dB", 1, 500, 1e300, full - 2, 0},
        {"-1e300 dB", 1, 500, -1e300, full - 2, 0},
        {"power 149.4 on row 241 is drawn", 0, 500, 149.4, full, 241},
        {"power 90 on row 340 is drawn", 0, 500, 90.0, full, 340},
        {"power 150 on the top edge", 0, 500, 150.0, full - 2, 0},
        {"power 0 on the bottom edge", 0, 500, 0.0, full - 2, 0},
        {"power NaN", 0, 500, kNaN, full - 2, 0},
        {"power +inf", 0, 500, kInf, full - 2, 0},
        {"power -inf", 0, 500, -kInf, full - 2, 0},
        {"power 1e300", 0, 500, 1e300, full - 2, 0},
        {"power -1e300", 0, 500, -1e300, full - 2, 0},
    };
    for (const SampleCase& c : cases) {
        const bool output = c.mode == 1;
        BoxDesign design = ChartDesign(output ? 1 : 0, output ? 0 : 1, 1);
        (output ? design.curveA : design.curveB)[c.index] = c.level;
        const std::vector<LineOp> curve = LinesWithPen(Drawn(design), output ? kRedCurvePen : kGreenCurvePen);
        const int flatRow = output ? 366 : 390;

        ASSERT_EQ(curve.size(), c.segments) << c.name;
        if (c.segments == kFullCurveSegments) {
            // Drawn: the changed point bends the two segments that meet at it.
            EXPECT_EQ(CountOnRow(curve, flatRow), kFullCurveSegments - 2) << c.name;
            EXPECT_EQ(curve[c.index - 1].to.y, c.row) << c.name;
            EXPECT_EQ(curve[c.index].from.y, c.row) << c.name;
        } else {
            EXPECT_EQ(CountOnRow(curve, flatRow), c.segments) << c.name;
        }
    }
}

TEST(ResponseChart, RestoresThePenAndLeavesTheLastTextAttributes) {
    const struct {
        const char* name;
        int outputResponse;
        int powerResponse;
        unsigned align;
        Color background;
    } cases[] = {
        {"output mode", 1, 0, TA_RIGHT | TA_TOP, kLabelGrey},
        {"power mode", 0, 1, TA_LEFT | TA_TOP, kLegendBlue},
    };
    for (const auto& c : cases) {
        RecordingSurface surface(kMainClient);
        const Pen callerPen{3, {1, 2, 3}};
        surface.SelectPen(&callerPen);
        DrawResponseChart(surface, ChartDesign(c.outputResponse, c.powerResponse, 1));
        EXPECT_EQ(&surface.SelectedPen(), &callerPen) << c.name;
        EXPECT_EQ(surface.TextAlignment(), c.align) << c.name;
        EXPECT_EQ(surface.BkColor(), c.background) << c.name;
    }
}

}  // namespace
}  // namespace resonara
