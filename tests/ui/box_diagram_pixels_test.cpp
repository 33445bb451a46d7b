// The box diagram as the Box Calculator shows it: its client area painted
// headless while the window is open from the main window's menu.
#include <QPalette>
#include <functional>

#include "box_calc_dlg.h"
#include "window_test_helpers.h"

namespace resonara::testing {
namespace {

// The driver: a disc in the rectangle 362..462 x 113..213, centre (412, 163).
constexpr QPoint kDriverCentre(412, 163);

class BoxDiagramPixelsTest : public MainWindowTest {
protected:
    // The Box Calculator's client image as it opens, and after `drive` did its part.
    void CaptureBoxCalculator(QImage& opened, QImage& driven, const std::function<void(CDialog&)>& drive = {}) {
        services_.ExpectModal([&](CDialog& box) {
            opened = box.PaintClientToImage();
            background_ = box.ClientArea()->palette().color(QPalette::Window);
            if (drive) drive(box);
            driven = box.PaintClientToImage();
            Click(box, IDCANCEL);
        });
        ChooseMenu(window_, kBoxCalculatorCommand);
    }

    QImage Opened() {
        QImage opened, driven;
        CaptureBoxCalculator(opened, driven);
        return opened;
    }

    Rgb Background() const { return {background_.red(), background_.green(), background_.blue()}; }

    // The first pixel from `from` towards `to` (one row or one column) that
    // is not the window's background.
    Rgb FirstDrawn(const QImage& image, QPoint from, QPoint to) const {
        const QPoint step((to.x() > from.x()) - (to.x() < from.x()), (to.y() > from.y()) - (to.y() < from.y()));
        for (QPoint p = from; p != to; p += step) {
            if (PixelAt(image, p.x(), p.y()) != Background()) return PixelAt(image, p.x(), p.y());
        }
        return Background();
    }

    QColor background_;
};

TEST_F(BoxDiagramPixelsTest, ClientAreaIsBoxCalculatorSizedAndNotWhite) {
    const QImage image = Opened();
    EXPECT_EQ(image.size(), QSize(566, 440));
    EXPECT_NE(Background(), kWhiteRgb);
}

// Scanned from outside the disc towards its centre, along its row and its
// column, the first colour met is the green rim; inside lies the black disc.
TEST_F(BoxDiagramPixelsTest, DriverIsABlackDiscWithAGreenRim) {
    const QImage image = Opened();
    EXPECT_EQ(PixelAt(image, kDriverCentre.x(), kDriverCentre.y()), kBlackRgb);
    const std::pair<const char*, QPoint> outside[] = {
        {"from the left", {345, 163}}, {"from the right", {475, 163}},
        {"from above", {412, 100}},    {"from below", {412, 230}},
    };
    for (const auto& [name, start] : outside) {
        EXPECT_EQ(FirstDrawn(image, start, kDriverCentre), kCurveGreenRgb) << name;
    }
    EXPECT_EQ(PixelAt(image, 380, 163), kBlackRgb);
    EXPECT_EQ(PixelAt(image, 412, 200), kBlackRgb);
}

// The front face's top edge (y 125) and right edge (x 450) are drawn after
// the driver and cross it; so do none of the baffle's edges.
TEST_F(BoxDiagramPixelsTest, RedBoxLinesCrossTheDisc) {
    const QImage image = Opened();
    EXPECT_EQ(PixelAt(image, 412, 125), kCurveRedRgb);
    EXPECT_EQ(PixelAt(image, 380, 125), kCurveRedRgb);
    EXPECT_EQ(PixelAt(image, 450, 163), kCurveRedRgb);
    EXPECT_EQ(PixelAt(image, 450, 190), kCurveRedRgb);
}

TEST_F(BoxDiagramPixelsTest, FrontFaceBaffleAndBackEdgesAreRed) {
    const QImage image = Opened();
    const std::pair<const char*, QPoint> onLines[] = {
        {"front face left", {300, 200}},   {"front face bottom", {375, 275}},
        {"baffle left", {337, 163}},       {"baffle right", {487, 163}},
        {"baffle top", {412, 88}},         {"baffle bottom", {412, 238}},
        {"back face top", {450, 50}},      {"back face right", {525, 125}},
        {"upper left depth", {337, 88}},   {"lower right depth", {487, 238}},
    };
    for (const auto& [name, point] : onLines) EXPECT_EQ(PixelAt(image, point.x(), point.y()), kCurveRedRgb) << name;
    // The back face's left and bottom edges and the lower left depth edge behind the baffle are hidden.
    const std::pair<const char*, QPoint> hidden[] = {
        {"back face left", {375, 100}}, {"back face bottom", {500, 200}}, {"behind the baffle", {356, 219}},
    };
    for (const auto& [name, point] : hidden) EXPECT_NE(PixelAt(image, point.x(), point.y()), kCurveRedRgb) << name;
}

// Each letter stands on its own white cell whose left edge and top are the
// letter's reference point, with black text inside.
TEST_F(BoxDiagramPixelsTest, LettersStandOnWhiteCellsAtTheirPoints) {
    const QImage image = Opened();
    const std::pair<const char*, QPoint> letters[] = {
        {"L", {375, 280}}, {"W", {280, 200}}, {"Df", {302, 90}}, {"Dr", {339, 53}},
    };
    constexpr int kSearch_px = 24;
    for (const auto& [text, corner] : letters) {
        SCOPED_TRACE(text);
        const std::optional<QRect> cell = BoundsOf(image, QRect(corner, QSize(kSearch_px, kSearch_px)), kWhiteRgb);
        ASSERT_TRUE(cell.has_value());
        EXPECT_EQ(cell->topLeft(), corner);
        EXPECT_EQ(PixelAt(image, corner.x() - 1, corner.y() + 2), Background());
        EXPECT_EQ(PixelAt(image, corner.x() + 2, corner.y() - 1), Background());
        EXPECT_GT(CountPixels(image, *cell, kBlackRgb), 0);
    }
}

// The picture depends on no value: a calculation with other figures and the
// other unit system change nothing in it.
TEST_F(BoxDiagramPixelsTest, PictureIsTheSameBeforeAndAfterACalculationAndInBothUnitSystems) {
    Calculate();
    QImage opened, calculated;
    CaptureBoxCalculator(opened, calculated, [](CDialog& box) {
        TypeInto(box, kBoxLengthEdit, "40");
        TypeInto(box, kBoxAddlVfEdit, "12");
        Click(box, kBoxCalculateButton);
    });
    EXPECT_EQ(opened, calculated);

    ChooseMenu(window_, kUnitsEnglishCommand);
    Calculate();
    QImage english, unused;
    CaptureBoxCalculator(english, unused);
    EXPECT_EQ(opened, english);
}

}  // namespace
}  // namespace resonara::testing
