#pragma once

#include <algorithm>
#include <iterator>
#include <vector>

#include "box_design.h"
#include "recording_surface.h"

namespace resonara::test {

// The pens and colours the chart draws with.
inline constexpr Pen kBackgroundPen{1, {150, 150, 255}};
inline constexpr Pen kFramePen{1, {0, 0, 0}};
inline constexpr Pen kGridPen{1, {220, 220, 220}};
inline constexpr Pen kRedCurvePen{2, {220, 0, 0}};
inline constexpr Pen kGreenCurvePen{2, {100, 250, 40}};
inline constexpr Color kLabelGrey{200, 200, 200};
inline constexpr Color kLegendBlue{150, 150, 255};

// 671 background columns, 5 frame lines and 19 + 11 grid lines.
inline constexpr std::size_t kPlotStructureLines = 671 + 5 + 30;
inline constexpr std::size_t kFullCurveSegments = 989;

inline constexpr Rect kMainClient{0, 0, 800, 600};

// Flat curves that lie inside the plot in their own modes: curve A at 0 dB
// (row 366), curve B at 60 (row 390), curve C at 90 (row 340).
inline BoxDesign ChartDesign(int outputResponse, int powerResponse, int calculated) {
    BoxDesign design;
    design.outputResponse = outputResponse;
    design.powerResponse = powerResponse;
    design.calculated = calculated;
    design.curveA.fill(0.0);
    design.curveB.fill(60.0);
    design.curveC.fill(90.0);
    return design;
}

inline std::vector<LineOp> LinesWithPen(const RecordingSurface& surface, const Pen& pen) {
    std::vector<LineOp> found;
    const std::vector<LineOp> lines = surface.Lines();
    std::copy_if(lines.begin(), lines.end(), std::back_inserter(found),
                 [&pen](const LineOp& l) { return l.pen == pen; });
    return found;
}

// Lines whose both ends lie on row `y`.
inline std::size_t CountOnRow(const std::vector<LineOp>& lines, int y) {
    return static_cast<std::size_t>(
        std::count_if(lines.begin(), lines.end(), [y](const LineOp& l) { return l.from.y == y && l.to.y == y; }));
}

}  // namespace resonara::test
