#include "svg_surface.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>

namespace resonara {
namespace {

constexpr Color kPageWhite{255, 255, 255};
constexpr Color kTextBlack{0, 0, 0};
// Enough for every coordinate of a window-sized drawing to a thousandth of a pixel.
constexpr int kCoordinateDigits = 7;
// Alignment bits of the horizontal reference; centre includes the right bit.
constexpr unsigned kHorizontalAlignMask = TA_CENTER;

// Locale-free: a drawing made inside a program with a German locale still uses '.'.
std::string Number(double value) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::general, kCoordinateDigits).ptr;
    return std::string(text, end);
}

std::string Number(int value) { return std::to_string(value); }

std::string Hex(Color color) {
    constexpr char kDigits[] = "0123456789abcdef";
    std::string text = "#";
    for (const unsigned channel : {color.r, color.g, color.b}) {
        text += kDigits[channel >> 4];
        text += kDigits[channel & 0xf];
    }
    return text;
}

std::string Escaped(std::string_view text) {
    std::string escaped;
    for (const char c : text) {
        switch (c) {
            case '&': escaped += "&amp;"; break;
            case '<': escaped += "&lt;"; break;
            case '>': escaped += "&gt;"; break;
            case '"': escaped += "&quot;"; break;
            default: escaped += c;
        }
    }
    return escaped;
}

std::string Attribute(std::string_view name, const std::string& value) {
    return " " + std::string(name) + "=\"" + value + "\"";
}

std::string Rectangle(int left, int top, int width, int height, Color fill) {
    return "<rect" + Attribute("x", Number(left)) + Attribute("y", Number(top)) + Attribute("width", Number(width)) +
           Attribute("height", Number(height)) + Attribute("fill", Hex(fill)) + "/>\n";
}

int PenWidth(const Pen& pen) { return std::max(pen.width, 1); }

struct Vector {
    double x = 0, y = 0;
};

// The straight SVG line of a surface line: its two ends in page coordinates.
struct Segment {
    Vector from;
    Vector to;
};

// Pixel (x, y) spans x..x+1 and y..y+1, so its centre lies half a pixel in.
Vector Centre(Point p) { return {p.x + 0.5, p.y + 0.5}; }

// The pixels of a line are counted along its major axis; `step` is one pixel
// along it, and a line of zero length counts as flat.
Segment LineSegment(Point from, Point to, int width) {
    const int dx = to.x - from.x;
    const int dy = to.y - from.y;
    const int major = std::max(std::abs(dx), std::abs(dy));
    const bool steep = std::abs(dy) > std::abs(dx);
    const Vector step = major == 0 ? Vector{1, 0} : Vector{static_cast<double>(dx) / major,
                                                            static_cast<double>(dy) / major};
    // The first pixel starts half a step before its centre; the last pixel,
    // the end point for a wide pen and the one before it for a thin one, ends half a step after.
    const double endExtension = width > 1 ? 0.5 : -0.5;
    const Vector across = steep ? Vector{(width - 1) / 2.0, 0} : Vector{0, (width - 1) / 2.0};
    const Vector a = Centre(from);
    const Vector b = Centre(to);
    return {{a.x - step.x / 2 + across.x, a.y - step.y / 2 + across.y},
            {b.x + step.x * endExtension + across.x, b.y + step.y * endExtension + across.y}};
}

// The left edge of a text cell `width` pixels wide placed at `x` by `align`,
// centred cells rounding to the left as the window's do.
int CellLeft(int x, unsigned align, int width) {
    switch (align & kHorizontalAlignMask) {
        case TA_CENTER: return x - width / 2;
        case TA_RIGHT: return x - width;
        default: return x;
    }
}

const char* TextAnchor(unsigned align) {
    switch (align & kHorizontalAlignMask) {
        case TA_CENTER: return "middle";
        case TA_RIGHT: return "end";
        default: return "start";
    }
}

}  // namespace

SvgSurface::SvgSurface(int width, int height) : width_(width), height_(height) {}

std::string SvgSurface::Document() const {
    const std::string size = Attribute("width", Number(width_)) + Attribute("height", Number(height_));
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\"" +
           size + Attribute("viewBox", "0 0 " + Number(width_) + " " + Number(height_)) +
           Attribute("shape-rendering", "crispEdges") + Attribute("stroke-linecap", "butt") +
           Attribute("font-family", std::string(kSurfaceFontFamily)) +
           Attribute("font-weight", std::string(kSurfaceFontWeight)) +
           Attribute("font-size", Number(kSurfaceFontSize_px)) + Attribute("xml:space", "preserve") + ">\n" +
           Rectangle(0, 0, width_, height_, kPageWhite) + elements_ + "</svg>\n";
}

void SvgSurface::DoLine(Point from, Point to, const Pen& pen) {
    const int width = PenWidth(pen);
    if (width == 1 && from == to) return;  // a thin line of zero length covers no pixel
    const Segment s = LineSegment(from, to, width);
    elements_ += "<line" + Attribute("x1", Number(s.from.x)) + Attribute("y1", Number(s.from.y)) +
                 Attribute("x2", Number(s.to.x)) + Attribute("y2", Number(s.to.y)) +
                 Attribute("stroke", Hex(pen.color)) + Attribute("stroke-width", Number(width)) + "/>\n";
}

void SvgSurface::DoEllipse(const Rect& bounds, const Pen& pen, const Brush& brush) {
    const int width = PenWidth(pen);
    elements_ += "<ellipse" + Attribute("cx", Number(bounds.left + bounds.Width() / 2.0)) +
                 Attribute("cy", Number(bounds.top + bounds.Height() / 2.0)) +
                 Attribute("rx", Number((bounds.Width() - width) / 2.0)) +
                 Attribute("ry", Number((bounds.Height() - width) / 2.0)) + Attribute("fill", Hex(brush.color)) +
                 Attribute("stroke", Hex(pen.color)) + Attribute("stroke-width", Number(width)) + "/>\n";
}

void SvgSurface::DoText(Point reference, unsigned align, Color background, std::string_view text) {
    const int width = TextWidth_px(font_, text);
    elements_ += Rectangle(CellLeft(reference.x, align, width), reference.y, width, font_.height_px, background);
    elements_ += "<text" + Attribute("x", Number(reference.x)) + Attribute("y", Number(reference.y + font_.ascent_px)) +
                 Attribute("text-anchor", TextAnchor(align)) + Attribute("fill", Hex(kTextBlack)) + ">" +
                 Escaped(text) + "</text>\n";
}

}  // namespace resonara
