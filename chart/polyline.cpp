#include "polyline.h"

namespace resonara {

void DrawPolyline(Surface& surface, std::span<const Point> points) {
    if (points.empty()) return;
    surface.MoveTo(points.front().x, points.front().y);
    for (const Point& p : points.subspan(1)) surface.LineTo(p.x, p.y);
}

}  // namespace resonara
