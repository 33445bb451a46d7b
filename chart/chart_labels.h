#pragma once

#include "surface.h"

namespace resonara {

// The frequency labels, the axis titles, the chart title and the level labels
// of the response chart, black on grey cells. The title and the level labels
// are those of the output mode when `outputMode`, else of the power mode.
// Leaves the grey background and right alignment set.
void DrawAxisLabels(Surface& surface, bool outputMode);

}  // namespace resonara
