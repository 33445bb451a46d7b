#include "recording_surface.h"

#include <ostream>

namespace resonara {

namespace {

template <typename Op>
std::vector<Op> OfKind(const std::vector<DrawOp>& operations) {
    std::vector<Op> found;
    for (const DrawOp& op : operations) {
        if (const Op* match = std::get_if<Op>(&op)) found.push_back(*match);
    }
    return found;
}

}  // namespace

std::vector<LineOp> RecordingSurface::Lines() const { return OfKind<LineOp>(operations_); }
std::vector<EllipseOp> RecordingSurface::Ellipses() const { return OfKind<EllipseOp>(operations_); }
std::vector<TextOp> RecordingSurface::Texts() const { return OfKind<TextOp>(operations_); }

void RecordingSurface::DoLine(Point from, Point to, const Pen& pen) {
    operations_.emplace_back(LineOp{from, to, pen});
}

void RecordingSurface::DoEllipse(const Rect& bounds, const Pen& pen, const Brush& brush) {
    operations_.emplace_back(EllipseOp{bounds, pen, brush});
}

void RecordingSurface::DoText(Point reference, unsigned align, Color background, std::string_view text) {
    operations_.emplace_back(TextOp{reference, align, background, std::string(text)});
}

std::ostream& operator<<(std::ostream& out, Point p) { return out << '(' << p.x << ", " << p.y << ')'; }

std::ostream& operator<<(std::ostream& out, Color c) {
    return out << "rgb(" << int{c.r} << ", " << int{c.g} << ", " << int{c.b} << ')';
}

std::ostream& operator<<(std::ostream& out, const Rect& r) {
    return out << '[' << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ']';
}

std::ostream& operator<<(std::ostream& out, const Pen& pen) { return out << pen.width << "px " << pen.color; }

std::ostream& operator<<(std::ostream& out, const Brush& brush) { return out << "brush " << brush.color; }

std::ostream& operator<<(std::ostream& out, const LineOp& op) {
    return out << "line " << op.from << " -> " << op.to << ' ' << op.pen;
}

std::ostream& operator<<(std::ostream& out, const EllipseOp& op) {
    return out << "ellipse " << op.bounds << ' ' << op.pen << ' ' << op.brush;
}

std::ostream& operator<<(std::ostream& out, const TextOp& op) {
    return out << "text \"" << op.text << "\" at " << op.reference << " align " << op.align << " on " << op.background;
}

std::ostream& operator<<(std::ostream& out, const DrawOp& op) {
    std::visit([&out](const auto& each) { out << each; }, op);
    return out;
}

}  // namespace resonara
