#pragma once

#include "box_design.h"
#include "surface.h"

namespace resonara {

// What the main window's paint handler needs of the window itself.
class PaintedWindow {
public:
    virtual ~PaintedWindow() = default;

    virtual bool IsMinimised() const = 0;
    // Clears the area behind the icon on the open surface.
    virtual void EraseIconBackground(Surface& surface) = 0;
    // The desktop's icon size in pixels; `x` is the width, `y` the height.
    virtual Point IconSize() const = 0;
    // Draws the program icon with its top-left corner at `topLeft`.
    virtual void DrawIcon(Surface& surface, Point topLeft) = 0;
    // The window's own paint processing after the chart; nothing by default.
    virtual void PaintDefault(Surface&) {}
};

// One paint request of the main window on its open surface: the icon,
// centred in the client area, while minimised; otherwise the response chart
// of `design` followed by the window's default processing.
void PaintMainWindow(PaintedWindow& window, Surface& surface, const BoxDesign& design);

// The icon's top-left corner, centred in the client area with integer
// division toward zero: a client narrower than the icon gives a negative x,
// 0 wide and a 32-pixel icon give -15.
Point IconPosition(const Rect& client, Point iconSize);

}  // namespace resonara
