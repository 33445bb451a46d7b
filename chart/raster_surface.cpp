#include "raster_surface.h"

#include "line_raster.h"

namespace resonara {

RasterSurface::RasterSurface(int width, int height, Color background)
    : width_(width),
      height_(height),
      pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), background) {}

Color RasterSurface::PixelAt(int x, int y) const {
    return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)];
}

void RasterSurface::Paint(Point p, Color color) {
    if (p.x < 0 || p.y < 0 || p.x >= width_ || p.y >= height_) return;
    pixels_[static_cast<std::size_t>(p.y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(p.x)] = color;
}

// Every pen paints one pixel wide here; the end point is left out, so a line
// of zero length paints nothing.
void RasterSurface::DoLine(Point from, Point to, const Pen& pen) {
    RasterizeLine(from, to, false, [&](const PixelRun& run) {
        for (int i = 0; i < run.length; ++i) {
            Paint(run.horizontal ? Point{run.x + i, run.y} : Point{run.x, run.y + i}, pen.color);
        }
    });
}

}  // namespace resonara
