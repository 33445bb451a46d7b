#pragma once

namespace resonara {

// The main window's client area, which a picture of the chart fills: dialog
// 102's 512 x 341 dialog units at 6 x 13 pixels per 4 x 8 units.
inline constexpr int kChartImageWidth_px = 768;
inline constexpr int kChartImageHeight_px = 554;

}  // namespace resonara
