#pragma once

#include <span>

#include "surface.h"

namespace resonara {

// Move to the first point, then a line through each following one, with the
// selected pen. An empty span draws nothing.
void DrawPolyline(Surface& surface, std::span<const Point> points);

}  // namespace resonara
