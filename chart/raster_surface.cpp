#include "raster_surface.h"

#include <cstdlib>

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

// Bresenham over all octants; the loop stops on reaching `to`, which is
// therefore never painted, and a line of zero length paints nothing.
void RasterSurface::DoLine(Point from, Point to, const Pen& pen) {
    const int dx = std::abs(to.x - from.x);
    const int dy = -std::abs(to.y - from.y);
    const int stepX = from.x < to.x ? 1 : -1;
    const int stepY = from.y < to.y ? 1 : -1;
    int error = dx + dy;
    Point p = from;
    while (p != to) {
        Paint(p, pen.color);
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            p.x += stepX;
        }
        if (twice <= dx) {
            error += dx;
            p.y += stepY;
        }
    }
}

}  // namespace resonara
