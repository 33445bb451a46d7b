#include "box_diagram.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "recording_surface.h"

namespace resonara {
namespace {

constexpr Pen kGreenOutline{2, {100, 250, 40}};
constexpr Brush kBlackBrush{{0, 0, 0}};
constexpr Pen kRedFrame{2, {220, 0, 0}};

LineOp Red(Point from, Point to) { return {from, to, kRedFrame}; }

TEST(BoxDiagram, DrawsDriverThenSixBoxPathsThenLettersInOrder) {
    RecordingSurface surface({0, 0, 600, 400});
    DrawBoxDiagram(surface);

    const unsigned leftTop = TA_LEFT | TA_TOP;
    const Color white{255, 255, 255};
    const std::vector<DrawOp> expected{
        EllipseOp{{362, 113, 462, 213}, kGreenOutline, kBlackBrush},
        // Front face.
        Red({300, 275}, {450, 275}), Red({450, 275}, {450, 125}), Red({450, 125}, {300, 125}),
        Red({300, 125}, {300, 275}),
        // Lower and upper right depth edges.
        Red({450, 275}, {525, 200}),
        Red({450, 125}, {525, 50}),
        // Upper left depth edge, then the back face's top and right edges.
        Red({300, 125}, {375, 50}), Red({375, 50}, {525, 50}), Red({525, 50}, {525, 200}),
        // Baffle.
        Red({487, 238}, {487, 88}), Red({487, 88}, {337, 88}), Red({337, 88}, {337, 238}),
        Red({337, 238}, {487, 238}),
        // Lower left depth edge, front face to baffle.
        Red({300, 275}, {337, 238}),
        TextOp{{375, 280}, leftTop, white, "L"},
        TextOp{{280, 200}, leftTop, white, "W"},
        TextOp{{302, 90}, leftTop, white, "Df"},
        TextOp{{339, 53}, leftTop, white, "Dr"},
    };
    EXPECT_EQ(surface.Operations(), expected);
}

TEST(BoxDiagram, RestoresPenAndBrushAndNeverTouchesTextAttributes) {
    RecordingSurface surface({0, 0, 600, 400});
    const Pen callerPen{3, {1, 2, 3}};
    const Brush callerBrush{{4, 5, 6}};
    const Color callerBackground{7, 8, 9};
    surface.SelectPen(&callerPen);
    surface.SelectBrush(&callerBrush);
    surface.SetTextAlign(TA_RIGHT | TA_TOP);
    surface.SetBkColor(callerBackground);

    DrawBoxDiagram(surface);

    EXPECT_EQ(&surface.SelectedPen(), &callerPen);
    EXPECT_EQ(&surface.SelectedBrush(), &callerBrush);
    EXPECT_EQ(surface.TextAlignment(), TA_RIGHT | TA_TOP);
    EXPECT_EQ(surface.BkColor(), callerBackground);
    for (const TextOp& text : surface.Texts()) {
        EXPECT_EQ(text.align, TA_RIGHT | TA_TOP) << text;
        EXPECT_EQ(text.background, callerBackground) << text;
    }
}

TEST(BoxDiagram, IsTheSamePictureOnEveryPaint) {
    RecordingSurface first({0, 0, 600, 400});
    RecordingSurface second({0, 0, 300, 200});
    DrawBoxDiagram(first);
    DrawBoxDiagram(second);
    DrawBoxDiagram(second);
    const std::vector<DrawOp>& twice = second.Operations();
    ASSERT_EQ(twice.size(), 2 * first.Operations().size());
    EXPECT_TRUE(std::equal(first.Operations().begin(), first.Operations().end(), twice.begin()));
    EXPECT_TRUE(std::equal(first.Operations().begin(), first.Operations().end(),
                           twice.begin() + static_cast<std::ptrdiff_t>(first.Operations().size())));
}

}  // namespace
}  // namespace resonara
