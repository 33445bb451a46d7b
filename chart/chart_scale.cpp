#include "chart_scale.h"

#include <cmath>
#include <limits>

namespace resonara {

namespace {

constexpr double kLowestDecade = 1.0;    // log10 of the 10 Hz left edge
constexpr double kWidthPerDecade = 0.5;  // each of the two decades takes half the width
constexpr double kPlotWidth_px = kPlotRight_px - kPlotLeft_px;

constexpr double kOutputFloor_dB = 25.0;    // the scale's bottom lies at -25 dB
constexpr double kOutputPixelsPerDb = 5.0;  // 50 dB over 250 rows

// Exactly this decimal, not 5/3: 150 then lands at 240.0000001, a hair inside
// the top edge, and 149.4 just reaches row 241.
constexpr double kPowerPixelsPerUnit = 1.666666666;

// The truncated row, or nothing when it is not finite or outside int: the
// conversion of such a double to int would be undefined.
std::optional<int> WholeRow(double row) {
    if (!std::isfinite(row)) return std::nullopt;
    const double whole = std::trunc(row);
    if (whole < std::numeric_limits<int>::min() || whole > std::numeric_limits<int>::max()) return std::nullopt;
    return static_cast<int>(whole);
}

}  // namespace

int FrequencyToX(double frequency_Hz) {
    const double x = ((std::log10(frequency_Hz) - kLowestDecade) * kWidthPerDecade) * kPlotWidth_px + kPlotLeft_px;
    return static_cast<int>(x);
}

// The level is measured upward from the scale's bottom, negated and moved down
// one pixel: 0 dB lands at 366, one row below its grid line at 365.
std::optional<int> OutputLevelToY(double level_dB) {
    const double fromBottom = (level_dB + kOutputFloor_dB) * kOutputPixelsPerDb - kPlotBottom_px;
    if (!std::isfinite(fromBottom)) return std::nullopt;
    return WholeRow(1.0 - std::trunc(fromBottom));
}

std::optional<int> PowerLevelToY(double level) { return WholeRow(kPlotBottom_px - level * kPowerPixelsPerUnit); }

bool InsidePlot(std::optional<int> y) { return y.has_value() && *y > kPlotTop_px && *y < kPlotBottom_px; }

}  // namespace resonara
