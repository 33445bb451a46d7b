#pragma once

#include <vector>

#include "surface.h"

namespace resonara {

// A width x height array of pixels that lines are painted into, for checking
// what a drawing covers without a windowing system.
//
// Every line is painted one pixel wide whatever its pen (how wider pens are
// rendered is the real backend's business), start point drawn and end point
// excluded, slanted ones by Bresenham's rule. Ellipses and texts are not
// painted: their look depends on the backend and its font.
class RasterSurface : public Surface {
public:
    // The client area is (0, 0, width, height), every pixel `background`.
    RasterSurface(int width, int height, Color background);

    Rect ClientRect() const override { return {0, 0, width_, height_}; }

    // REQUIRES: (x, y) inside the client area.
    Color PixelAt(int x, int y) const;

protected:
    void DoLine(Point from, Point to, const Pen& pen) override;
    void DoEllipse(const Rect&, const Pen&, const Brush&) override {}
    void DoText(Point, unsigned, Color, std::string_view) override {}

private:
    // Pixels outside the client area are dropped.
    void Paint(Point p, Color color);

    int width_;
    int height_;
    std::vector<Color> pixels_;  // row after row, top row first
};

}  // namespace resonara
