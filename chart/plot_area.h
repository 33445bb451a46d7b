#pragma once

#include "surface.h"

namespace resonara {

// The empty plot of the response chart, each part with the selected pen.

// One vertical line per column from the left to the right edge inclusive,
// filling rows top..bottom-1.
void DrawPlotBackground(Surface& surface);

// The left and bottom axes, two pixels thick, just outside and on the plot's
// left column and bottom row; no top or right edge.
void DrawPlotFrame(Surface& surface);

// Vertical lines at 10, 20, ..., 100 and then 200, ..., 1000 Hz; horizontal
// lines every 25 rows from the bottom edge up to the top edge.
void DrawPlotGrid(Surface& surface);

}  // namespace resonara
