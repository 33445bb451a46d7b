#pragma once

#include <optional>

namespace resonara {

// The plot rectangle of the response chart, in client pixels of the main
// window. Fixed: it follows neither the window size nor the font.
inline constexpr int kPlotLeft_px = 70;
inline constexpr int kPlotRight_px = 740;
inline constexpr int kPlotTop_px = 240;
inline constexpr int kPlotBottom_px = 490;

// Column of a frequency on the two-decade log axis, 10 Hz at the left edge and
// 1000 Hz at the right, truncated toward zero.
int FrequencyToX(double frequency_Hz);

// Row of a curve sample, or nothing when the sample is not finite or its row
// does not fit an int. The row may lie anywhere; InsidePlot() decides.
std::optional<int> OutputLevelToY(double level_dB);  // output mode, -25..+25 dB
std::optional<int> PowerLevelToY(double level);      // power mode, 0..150

// Strictly between the top and bottom edges: a curve point there is drawn.
bool InsidePlot(std::optional<int> y);

}  // namespace resonara
