#include <gtest/gtest.h>

#include <QColor>
#include <QFontInfo>
#include <QIcon>
#include <QImage>
#include <QRect>
#include <cstdlib>
#include <optional>

#include "program_icon.h"
#include "qt_surface.h"

namespace resonara::testing {
namespace {

constexpr Color kWhite{255, 255, 255};
constexpr Color kRed{220, 0, 0};
constexpr Color kGreen{100, 250, 40};
constexpr Color kBlack{0, 0, 0};
constexpr Color kLabelGrey{200, 200, 200};

class QtSurfaceTest : public ::testing::Test {
protected:
    QtSurfaceTest() : image_(120, 80, QImage::Format_RGB32) { image_.fill(Qt::white); }

    Color At(int x, int y) const {
        const QColor c = image_.pixelColor(x, y);
        return {static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
                static_cast<std::uint8_t>(c.blue())};
    }

    int CountOf(Color color) const {
        int count = 0;
        for (int y = 0; y < image_.height(); ++y) {
            for (int x = 0; x < image_.width(); ++x) count += At(x, y) == color ? 1 : 0;
        }
        return count;
    }

    // The smallest rectangle holding every pixel of `color`, or nothing.
    std::optional<QRect> BoundsOf(Color color) const {
        std::optional<QRect> bounds;
        for (int y = 0; y < image_.height(); ++y) {
            for (int x = 0; x < image_.width(); ++x) {
                if (At(x, y) != color) continue;
                bounds = bounds ? bounds->united(QRect(x, y, 1, 1)) : QRect(x, y, 1, 1);
            }
        }
        return bounds;
    }

    void Line(Point from, Point to, const Pen& pen) {
        QtSurface surface(image_);
        surface.SelectPen(&pen);
        surface.MoveTo(from.x, from.y);
        surface.LineTo(to.x, to.y);
    }

    QImage image_;
};

TEST_F(QtSurfaceTest, ClientRectIsTheDeviceSize) {
    QtSurface surface(image_);
    EXPECT_EQ(surface.ClientRect(), (Rect{0, 0, 120, 80}));
}

TEST_F(QtSurfaceTest, OnePixelStraightLinesLeaveOutTheirEndPoint) {
    struct Case {
        const char* name;
        Point from, to;
        QRect covered;
    };
    const Case cases[] = {
        {"rightwards", {10, 10}, {20, 10}, QRect(10, 10, 10, 1)},
        {"leftwards", {20, 12}, {10, 12}, QRect(11, 12, 10, 1)},
        {"downwards", {30, 5}, {30, 25}, QRect(30, 5, 1, 20)},
        {"upwards", {40, 25}, {40, 5}, QRect(40, 6, 1, 20)},
        {"one pixel long", {50, 50}, {51, 50}, QRect(50, 50, 1, 1)},
    };
    for (const Case& c : cases) {
        image_.fill(Qt::white);
        Line(c.from, c.to, {1, kRed});
        EXPECT_EQ(BoundsOf(kRed), c.covered) << c.name;
        EXPECT_EQ(CountOf(kRed), c.covered.width() * c.covered.height()) << c.name;
    }
}

// Adjoining one-pixel columns are painted as one rectangle; what comes after
// them must still cover them.
TEST_F(QtSurfaceTest, LaterDrawingCoversEarlierColumns) {
    {
        QtSurface surface(image_);
        const Pen blue{1, {150, 150, 255}};
        const Pen red{1, kRed};
        surface.SelectPen(&blue);
        for (int x = 10; x <= 40; ++x) {
            surface.MoveTo(x, 20);
            surface.LineTo(x, 50);
        }
        surface.SelectPen(&red);
        surface.MoveTo(5, 30);
        surface.LineTo(60, 30);
        surface.SetBkColor(kLabelGrey);
        surface.TextOut(20, 40, "x");
        surface.SelectPen(&blue);
        surface.MoveTo(41, 20);
        surface.LineTo(41, 50);
    }
    EXPECT_EQ(BoundsOf(Color{150, 150, 255}), QRect(10, 20, 32, 30));
    EXPECT_EQ(At(25, 30), kRed);
    EXPECT_EQ(At(41, 30), (Color{150, 150, 255}));
    EXPECT_EQ(At(20, 40), kLabelGrey);
}

TEST_F(QtSurfaceTest, ZeroLengthOnePixelLineDrawsNothing) {
    Line({50, 50}, {50, 50}, {1, kRed});
    EXPECT_EQ(CountOf(kRed), 0);
}

// A slanted 1-pixel line has one pixel in each column (flat lines) or row
// (steep lines) from its start up to its end, that one within half a pixel
// of the true line, and nothing at the end point.
TEST_F(QtSurfaceTest, OnePixelSlantedLinesFollowTheLineAndLeaveOutTheEnd) {
    struct Case {
        const char* name;
        Point from, to;
    };
    const Case cases[] = {
        {"flat down-right", {10, 10}, {30, 17}},
        {"steep down-right", {40, 5}, {47, 40}},
        {"flat up-left", {100, 60}, {60, 45}},
        {"steep up-right", {5, 70}, {12, 30}},
        {"diagonal", {60, 10}, {75, 25}},
    };
    for (const Case& c : cases) {
        image_.fill(Qt::white);
        Line(c.from, c.to, {1, kRed});
        const int dx = c.to.x - c.from.x;
        const int dy = c.to.y - c.from.y;
        const bool flat = std::abs(dx) >= std::abs(dy);
        const int steps = flat ? std::abs(dx) : std::abs(dy);
        EXPECT_EQ(CountOf(kRed), steps) << c.name;
        EXPECT_EQ(At(c.from.x, c.from.y), kRed) << c.name;
        EXPECT_EQ(At(c.to.x, c.to.y), kWhite) << c.name;
        for (int i = 0; i < steps; ++i) {
            const int major = (flat ? c.from.x : c.from.y) + i * ((flat ? dx : dy) > 0 ? 1 : -1);
            const double ideal = flat ? c.from.y + static_cast<double>(dy) * i / steps
                                      : c.from.x + static_cast<double>(dx) * i / steps;
            int hits = 0;
            for (int minor = 0; minor < (flat ? image_.height() : image_.width()); ++minor) {
                if (At(flat ? major : minor, flat ? minor : major) != kRed) continue;
                ++hits;
                EXPECT_LE(std::abs(minor - ideal), 0.5) << c.name << " step " << i;
            }
            EXPECT_EQ(hits, 1) << c.name << " step " << i;
        }
    }
}

// Two-pixel pens: the line with its end, widened downwards or to the right.
TEST_F(QtSurfaceTest, TwoPixelLinesAreTwoPixelsWideEndIncluded) {
    Line({10, 40}, {30, 40}, {2, kRed});
    EXPECT_EQ(BoundsOf(kRed), QRect(10, 40, 21, 2));
    EXPECT_EQ(CountOf(kRed), 42);

    image_.fill(Qt::white);
    Line({60, 10}, {60, 20}, {2, kGreen});
    EXPECT_EQ(BoundsOf(kGreen), QRect(60, 10, 2, 11));
}

TEST_F(QtSurfaceTest, TwoPixelSlantedLineHasNoGaps) {
    Line({10, 10}, {40, 25}, {2, kRed});
    for (int x = 10; x <= 40; ++x) {
        int column = 0;
        for (int y = 0; y < image_.height(); ++y) column += At(x, y) == kRed ? 1 : 0;
        EXPECT_GE(column, 2) << "column " << x;
    }
}

TEST_F(QtSurfaceTest, EllipseIsFilledWithTheBrushInsideItsRectangle) {
    {
        QtSurface surface(image_);
        const Pen pen{2, kGreen};
        const Brush brush{kBlack};
        surface.SelectPen(&pen);
        surface.SelectBrush(&brush);
        surface.Ellipse(20, 10, 80, 60);
    }
    EXPECT_EQ(At(50, 35), kBlack);
    const std::optional<QRect> outline = BoundsOf(kGreen);
    ASSERT_TRUE(outline.has_value());
    EXPECT_TRUE(QRect(20, 10, 60, 50).contains(*outline)) << outline->x() << "," << outline->y() << " "
                                                          << outline->width() << "x" << outline->height();
    EXPECT_GE(outline->width(), 58);
    EXPECT_GE(outline->height(), 48);
    EXPECT_EQ(At(21, 35), kGreen);
    EXPECT_EQ(At(19, 35), kWhite);
    EXPECT_EQ(At(80, 35), kWhite);
}

struct TextCase {
    const char* name;
    unsigned align;
    int x;
};

// The text cell is found by its background colour; the glyphs are never compared.
TEST_F(QtSurfaceTest, TextSitsOnAnOpaqueCellPlacedByItsAlignment) {
    const TextCase cases[] = {{"left", TA_LEFT, 30}, {"centre", TA_CENTER, 60}, {"right", TA_RIGHT, 90}};
    for (const TextCase& c : cases) {
        image_.fill(Qt::white);
        {
            QtSurface surface(image_);
            surface.SetBkColor(kLabelGrey);
            surface.SetTextAlign(c.align | TA_TOP);
            surface.TextOut(c.x, 20, "Hz 10");
        }
        const std::optional<QRect> cell = BoundsOf(kLabelGrey);
        ASSERT_TRUE(cell.has_value()) << c.name;
        EXPECT_EQ(cell->top(), 20) << c.name;
        EXPECT_GE(cell->height(), 13) << c.name;
        const int expectedLeft = c.align == TA_LEFT ? c.x : c.align == TA_RIGHT ? c.x - cell->width()
                                                                                 : c.x - cell->width() / 2;
        EXPECT_EQ(cell->left(), expectedLeft) << c.name;
        const std::optional<QRect> ink = BoundsOf(kBlack);
        ASSERT_TRUE(ink.has_value()) << c.name;
        EXPECT_TRUE(cell->contains(*ink)) << c.name;
        EXPECT_EQ(CountOf(kWhite) + CountOf(kLabelGrey) + CountOf(kBlack), 120 * 80) << c.name << ": antialiased";
    }
}

TEST_F(QtSurfaceTest, FreshSurfaceWritesBlackOnWhite) {
    {
        QtSurface surface(image_);
        surface.TextOut(10, 10, "L");
    }
    image_.setPixelColor(0, 0, Qt::black);  // keeps the search below honest if nothing is drawn
    const std::optional<QRect> ink = BoundsOf(kBlack);
    ASSERT_TRUE(ink.has_value());
    EXPECT_GT(ink->width() * ink->height(), 1);
}

TEST_F(QtSurfaceTest, DefaultFontIsBoldDejaVuSans) {
    const QFont font = QtSurface::DefaultFont();
    EXPECT_TRUE(font.bold());
    EXPECT_EQ(QFontInfo(font).family(), "DejaVu Sans");
    EXPECT_GT(font.pixelSize(), 0);
}

TEST_F(QtSurfaceTest, IconIsDrawnAtItsTopLeftCorner) {
    {
        QtSurface surface(image_);
        surface.DrawIcon({-5, 10}, LoadIcon(kProgramIconId));
    }
    // Icon column 7 is the bar's first red one, column 6 black; partly off the left edge.
    EXPECT_EQ(At(-5 + 7, 10), (Color{255, 0, 0}));
    EXPECT_EQ(At(-5 + 6, 10), kBlack);
    EXPECT_EQ(At(-5 + 31, 10 + 31), kBlack);
    EXPECT_EQ(At(-5 + 32, 10 + 31), kWhite);
    EXPECT_EQ(At(-5 + 7, 10 + 32), kWhite);
}

TEST_F(QtSurfaceTest, FillRectLeavesOutRightAndBottomEdges) {
    {
        QtSurface surface(image_);
        surface.FillRect({5, 6, 15, 9}, kLabelGrey);
    }
    EXPECT_EQ(BoundsOf(kLabelGrey), QRect(5, 6, 10, 3));
}

}  // namespace
}  // namespace resonara::testing
