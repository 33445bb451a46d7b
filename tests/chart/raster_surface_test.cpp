#include "raster_surface.h"

#include <gtest/gtest.h>

#include "chart_fixtures.h"
#include "recording_surface.h"
#include "response_chart.h"

namespace resonara {
namespace {

constexpr Color kWhite{255, 255, 255};
constexpr Color kBlack{0, 0, 0};
constexpr Pen kBlackPen{1, kBlack};

TEST(RasterSurface, LinesLeaveOutTheirEndPoint) {
    RasterSurface surface(8, 4, kWhite);
    surface.SelectPen(&kBlackPen);
    surface.MoveTo(0, 0);
    surface.LineTo(5, 0);   // horizontal: x 0..4
    surface.MoveTo(0, 1);
    surface.LineTo(3, 2);   // y = 1 + x / 3 rounded: (0,1) (1,1) (2,2)
    surface.MoveTo(7, 3);
    surface.LineTo(7, 3);   // zero length: nothing

    const struct {
        Point p;
        Color color;
    } pixels[] = {
        {{0, 0}, kBlack}, {{4, 0}, kBlack}, {{5, 0}, kWhite},
        {{0, 1}, kBlack}, {{1, 1}, kBlack}, {{2, 2}, kBlack}, {{2, 1}, kWhite}, {{3, 2}, kWhite},
        {{7, 3}, kWhite},
    };
    for (const auto& px : pixels) EXPECT_EQ(surface.PixelAt(px.p.x, px.p.y), px.color) << px.p;
}

TEST(RasterSurface, DropsPixelsOutsideTheClientArea) {
    RasterSurface surface(4, 4, kWhite);
    surface.SelectPen(&kBlackPen);
    surface.MoveTo(-2, 1);
    surface.LineTo(10, 1);
    EXPECT_EQ(surface.PixelAt(0, 1), kBlack);
    EXPECT_EQ(surface.PixelAt(3, 1), kBlack);
}

// The grid covers the frame's inner column and row; what stays black is
// column 69 (rows 241..491), row 491 (columns 70..740) and the pixel (740, 490).
TEST(ResponseChartPixels, FrameShowsOutsideTheGrid) {
    RasterSurface surface(800, 600, kWhite);
    DrawResponseChart(surface, test::ChartDesign(1, 0, 0));

    const Color blue{150, 150, 255};
    const Color grey{220, 220, 220};
    const struct {
        const char* name;
        Point p;
        Color color;
    } pixels[] = {
        {"left axis top", {69, 241}, kBlack},
        {"left axis bottom", {69, 491}, kBlack},
        {"above the left axis", {69, 240}, kWhite},
        {"bottom axis left", {70, 491}, kBlack},
        {"bottom axis right", {740, 491}, kBlack},
        {"right of the bottom axis", {741, 491}, kWhite},
        {"corner pixel", {740, 490}, kBlack},
        {"bottom grid line over the frame", {400, 490}, grey},
        {"left grid line over the frame", {70, 300}, grey},
        {"top grid line", {300, 240}, grey},
        {"right grid line", {740, 300}, grey},
        {"100 Hz grid line", {405, 300}, grey},
        {"background", {71, 241}, blue},
        {"background bottom row", {739, 489}, blue},
        {"right of the plot", {741, 300}, kWhite},
    };
    for (const auto& px : pixels) EXPECT_EQ(surface.PixelAt(px.p.x, px.p.y), px.color) << px.name;
}

}  // namespace
}  // namespace resonara
