#include "box_diagram.h"

#include <array>
#include <span>

#include "placed_text.h"
#include "polyline.h"

namespace resonara {

namespace {

constexpr Pen kDriverOutlinePen{2, {100, 250, 40}};
constexpr Brush kDriverBrush{{0, 0, 0}};
constexpr Pen kFramePen{2, {220, 0, 0}};

// The driver: a disc of 100 pixels centred on the baffle at (412, 163).
constexpr Rect kDriverBounds{362, 113, 462, 213};

// The depth runs up and right at 45 degrees: the back face is the front face
// moved by (+75, -75), the baffle by (+37, -37). The back face's left and
// bottom edges, and the lower left depth edge behind the baffle, stay hidden.
constexpr std::array<Point, 5> kFrontFace{{{300, 275}, {450, 275}, {450, 125}, {300, 125}, {300, 275}}};
constexpr std::array<Point, 2> kLowerRightDepthEdge{{{450, 275}, {525, 200}}};
constexpr std::array<Point, 2> kUpperRightDepthEdge{{{450, 125}, {525, 50}}};
constexpr std::array<Point, 4> kUpperLeftDepthEdgeAndBack{{{300, 125}, {375, 50}, {525, 50}, {525, 200}}};
constexpr std::array<Point, 5> kBaffle{{{487, 238}, {487, 88}, {337, 88}, {337, 238}, {487, 238}}};
constexpr std::array<Point, 2> kLowerLeftDepthEdgeToBaffle{{{300, 275}, {337, 238}}};

constexpr std::array<std::span<const Point>, 6> kBoxPaths{
    kFrontFace, kLowerRightDepthEdge, kUpperRightDepthEdge, kUpperLeftDepthEdgeAndBack, kBaffle,
    kLowerLeftDepthEdgeToBaffle,
};

// Left edge and top of each letter's cell.
constexpr std::array<PlacedText, 4> kDimensionLetters{{
    {{375, 280}, "L"},   // under the front face
    {{280, 200}, "W"},   // left of the front face
    {{302, 90}, "Df"},   // front depth, front face to baffle
    {{339, 53}, "Dr"},   // rear depth, baffle to back face
}};

}  // namespace

void DrawBoxDiagram(Surface& surface) {
    const Pen* previousPen = surface.SelectPen(&kDriverOutlinePen);
    const Brush* previousBrush = surface.SelectBrush(&kDriverBrush);
    surface.Ellipse(kDriverBounds.left, kDriverBounds.top, kDriverBounds.right, kDriverBounds.bottom);

    // The box lines come after the driver so that they cross over it.
    surface.SelectPen(&kFramePen);
    for (std::span<const Point> path : kBoxPaths) DrawPolyline(surface, path);

    DrawTexts(surface, kDimensionLetters);

    surface.SelectPen(previousPen);
    surface.SelectBrush(previousBrush);
}

}  // namespace resonara
