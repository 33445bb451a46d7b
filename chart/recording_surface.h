#pragma once

#include <iosfwd>
#include <string>
#include <variant>
#include <vector>

#include "surface.h"

namespace resonara {

// One resolved line: `from` drawn, `to` excluded, as the surface's LineTo.
struct LineOp {
    Point from;
    Point to;
    Pen pen;
    friend bool operator==(const LineOp&, const LineOp&) = default;
};

struct EllipseOp {
    Rect bounds;
    Pen pen;
    Brush brush;
    friend bool operator==(const EllipseOp&, const EllipseOp&) = default;
};

struct TextOp {
    Point reference;
    unsigned align = TA_LEFT | TA_TOP;
    Color background;
    std::string text;
    friend bool operator==(const TextOp&, const TextOp&) = default;
};

using DrawOp = std::variant<LineOp, EllipseOp, TextOp>;

// A surface that draws nothing and keeps every resolved primitive, in the
// order issued, so that a drawing can be compared as a list of operations.
class RecordingSurface : public Surface {
public:
    explicit RecordingSurface(Rect client) : client_(client) {}

    Rect ClientRect() const override { return client_; }

    const std::vector<DrawOp>& Operations() const { return operations_; }
    // The operations of one kind, in the order issued.
    std::vector<LineOp> Lines() const;
    std::vector<EllipseOp> Ellipses() const;
    std::vector<TextOp> Texts() const;

    void Clear() { operations_.clear(); }

protected:
    void DoLine(Point from, Point to, const Pen& pen) override;
    void DoEllipse(const Rect& bounds, const Pen& pen, const Brush& brush) override;
    void DoText(Point reference, unsigned align, Color background, std::string_view text) override;

private:
    Rect client_;
    std::vector<DrawOp> operations_;
};

// Readable failure messages in tests.
std::ostream& operator<<(std::ostream& out, Point p);
std::ostream& operator<<(std::ostream& out, Color c);
std::ostream& operator<<(std::ostream& out, const Rect& r);
std::ostream& operator<<(std::ostream& out, const Pen& pen);
std::ostream& operator<<(std::ostream& out, const Brush& brush);
std::ostream& operator<<(std::ostream& out, const LineOp& op);
std::ostream& operator<<(std::ostream& out, const EllipseOp& op);
std::ostream& operator<<(std::ostream& out, const TextOp& op);
std::ostream& operator<<(std::ostream& out, const DrawOp& op);

}  // namespace resonara
