#pragma once

#include "box_design.h"
#include "surface.h"

namespace resonara {

// The whole response chart of the main window from the record: plot
// background, frame, grid, labels and title of the graph mode, and once a run
// has passed validation the curves of the mode (curve A in the output mode;
// curves B and C and the "Thermal Limit" legend in the power mode). Reads the
// record only. On return the pen selected before is selected again; the text
// alignment and background are left as the chart last set them.
void DrawResponseChart(Surface& surface, const BoxDesign& design);

}  // namespace resonara
