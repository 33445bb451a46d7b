#pragma once

#include "surface.h"

namespace resonara {

// The colours of the response chart and the box diagram.
inline constexpr Color kBlack{0, 0, 0};
inline constexpr Color kPlotBlue{150, 150, 255};   // plot background, and the legend's text cell on it
inline constexpr Color kGridGrey{220, 220, 220};
inline constexpr Color kLabelGrey{200, 200, 200};  // text cells of the axis labels and titles
inline constexpr Color kCurveRed{220, 0, 0};
inline constexpr Color kCurveGreen{100, 250, 40};

}  // namespace resonara
