#pragma once

#include <cstdint>
#include <string_view>

namespace resonara {

struct Color {
    std::uint8_t r = 0, g = 0, b = 0;
    friend constexpr bool operator==(Color, Color) = default;
};

struct Point {
    int x = 0, y = 0;
    friend constexpr bool operator==(Point, Point) = default;
};

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    friend constexpr bool operator==(Rect, Rect) = default;
};

// Text alignment flags; the vertical reference is always the top of the text cell.
enum TextAlign : unsigned { TA_LEFT = 0, TA_TOP = 0, TA_RIGHT = 2, TA_CENTER = 6 };

// A solid pen: `width` pixels wide. Lives as long as the drawing that made it.
struct Pen {
    int width = 1;
    Color color;
    friend constexpr bool operator==(Pen, Pen) = default;
};

// A solid brush.
struct Brush {
    Color color;
    friend constexpr bool operator==(Brush, Brush) = default;
};

// A drawing surface over a window's client area, in client pixels with the
// origin at the top left and y growing downward; no scaling.
//
// The public calls keep the drawing state (current position, selected pen and
// brush, text alignment, text background colour) and hand fully resolved
// primitives to the Do... hooks that each backend implements.
//
// A fresh surface has a black 1-pixel pen, a white brush, left/top text
// alignment, black text on an opaque white background and the surface's
// default font.
class Surface {
public:
    virtual ~Surface() = default;

    // Select a pen or brush; returns the one selected before.
    // REQUIRES: the object outlives its selection.
    const Pen* SelectPen(const Pen* pen);
    const Brush* SelectBrush(const Brush* brush);

    void MoveTo(int x, int y);
    // Draws from the current position to (x, y) with the selected pen, the
    // end point itself not drawn, and moves the current position there.
    void LineTo(int x, int y);
    // Outlined with the selected pen, filled with the selected brush.
    void Ellipse(int left, int top, int right, int bottom);

    // Returns the previous alignment / background colour.
    unsigned SetTextAlign(unsigned align);
    Color SetBkColor(Color color);
    // Black text on an opaque cell of the current background colour, placed
    // by the current alignment at the reference point (x, y).
    void TextOut(int x, int y, std::string_view text);

    virtual Rect ClientRect() const = 0;

    Point CurrentPosition() const { return position_; }
    const Pen& SelectedPen() const { return *pen_; }
    const Brush& SelectedBrush() const { return *brush_; }
    unsigned TextAlignment() const { return align_; }
    Color BkColor() const { return background_; }

protected:
    virtual void DoLine(Point from, Point to, const Pen& pen) = 0;
    virtual void DoEllipse(const Rect& bounds, const Pen& pen, const Brush& brush) = 0;
    virtual void DoText(Point reference, unsigned align, Color background, std::string_view text) = 0;

private:
    static constexpr Pen kDefaultPen{1, {0, 0, 0}};
    static constexpr Brush kDefaultBrush{{255, 255, 255}};

    const Pen* pen_ = &kDefaultPen;
    const Brush* brush_ = &kDefaultBrush;
    Point position_;
    unsigned align_ = TA_LEFT | TA_TOP;
    Color background_{255, 255, 255};
};

}  // namespace resonara
