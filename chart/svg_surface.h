#pragma once

#include <string>

#include "surface.h"
#include "svg_font_metrics.h"

namespace resonara {

// A surface that writes what is drawn on it as an SVG document, with the same
// pixels as the Qt backend where SVG can say so, and without Qt.
//
// The page is white. Lines run through pixel centres with butt caps and crisp
// edges: a 1-pixel line leaves its end point out, so the one from (x0, y) to
// (x1, y) is drawn from x0 to x1 at y + 0.5 and covers pixels x0..x1-1. A
// wider pen of w pixels includes its end point and spreads w pixels down from
// a flat line (right of a steep one), as the Qt backend's pen does: a 2-pixel
// line on row y covers rows y and y + 1. Slanted lines are straight SVG lines
// over the same span. Ellipses lie inside their rectangle with the outline
// pen inset by half its width.
//
// Texts are drawn in the surface's default font with their anchor (start,
// middle, end for TA_LEFT, TA_CENTER, TA_RIGHT) at the reference x, the
// baseline one ascent below the reference y, over an opaque cell of the
// background colour that is the text's advance wide and the font's height high.
class SvgSurface final : public Surface {
public:
    SvgSurface(int width, int height);

    Rect ClientRect() const override { return {0, 0, width_, height_}; }

    // The whole document: the page and everything drawn so far, in order.
    std::string Document() const;

protected:
    void DoLine(Point from, Point to, const Pen& pen) override;
    void DoEllipse(const Rect& bounds, const Pen& pen, const Brush& brush) override;
    void DoText(Point reference, unsigned align, Color background, std::string_view text) override;

private:
    int width_;
    int height_;
    const FontMetricsTable& font_ = kSurfaceFontMetrics;
    std::string elements_;  // one element per line
};

}  // namespace resonara
