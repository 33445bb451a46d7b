#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QRect>

#include "surface.h"

class QIcon;
class QPaintDevice;

namespace resonara {

// The drawing surface on Qt: paints a window's client area, or an image of
// the client area's size, with antialiasing off.
//
// Pens: a 1-pixel line colours the pixels of Bresenham's rule from its start
// up to but not including its end. A wider pen (width w) draws the same
// line with its end included, each pixel run widened to w pixels across the
// line, downwards for flat lines and to the right for steep ones. An ellipse
// lies inside its rectangle's left/top edges and short of its right/bottom
// edges, its outline pen centred on a path inset by half the pen width, its
// inside filled with the brush.
//
// Text: the default font is DejaVu Sans Bold at a fixed pixel size, black,
// on an opaque cell of the background colour as wide as the text's advance
// and as high as the font; the reference point is the cell's top edge at
// its left end, centre or right end.
class QtSurface final : public Surface {
public:
    // Paints on `device`, whose (0, 0) is the client area's top-left corner.
    // For a widget, construct it inside the widget's paint event.
    // REQUIRES: `device` outlives the surface and has no other active painter.
    explicit QtSurface(QPaintDevice& device);
    ~QtSurface() override;
    QtSurface(const QtSurface&) = delete;
    QtSurface& operator=(const QtSurface&) = delete;

    Rect ClientRect() const override { return client_; }

    // Fills `rect` (right and bottom edges excluded) with `color`, as a window
    // erases the area behind its icon.
    void FillRect(const Rect& rect, Color color);
    // Draws `icon` at the desktop's icon size with its top-left corner at `topLeft`.
    void DrawIcon(Point topLeft, const QIcon& icon);

    // The font of a fresh surface.
    static QFont DefaultFont();

protected:
    void DoLine(Point from, Point to, const Pen& pen) override;
    void DoEllipse(const Rect& bounds, const Pen& pen, const Brush& brush) override;
    void DoText(Point reference, unsigned align, Color background, std::string_view text) override;

private:
    // Solid fills are held back while the next one continues them (the same
    // colour, adjoining, the same extent across): the 671 one-pixel columns
    // of a chart background become one rectangle. Every other operation
    // flushes the held fill first, so the order of painting is kept.
    void Fill(const QRect& rect, Color color);
    void FlushFill();

    QPainter painter_;
    QRect pendingRect_;
    Color pendingColor_;
    Rect client_;
    QFontMetrics metrics_;
};

}  // namespace resonara
