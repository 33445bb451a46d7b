#include "surface.h"

namespace resonara {

const Pen* Surface::SelectPen(const Pen* pen) {
    const Pen* previous = pen_;
    if (pen != nullptr) pen_ = pen;
    return previous;
}

const Brush* Surface::SelectBrush(const Brush* brush) {
    const Brush* previous = brush_;
    if (brush != nullptr) brush_ = brush;
    return previous;
}

void Surface::MoveTo(int x, int y) { position_ = {x, y}; }

void Surface::LineTo(int x, int y) {
    const Point to{x, y};
    DoLine(position_, to, *pen_);
    position_ = to;
}

void Surface::Ellipse(int left, int top, int right, int bottom) {
    DoEllipse({left, top, right, bottom}, *pen_, *brush_);
}

unsigned Surface::SetTextAlign(unsigned align) {
    const unsigned previous = align_;
    align_ = align;
    return previous;
}

Color Surface::SetBkColor(Color color) {
    const Color previous = background_;
    background_ = color;
    return previous;
}

void Surface::TextOut(int x, int y, std::string_view text) { DoText({x, y}, align_, background_, text); }

}  // namespace resonara
