#include "plot_area.h"

#include <array>

#include "chart_scale.h"
#include "polyline.h"

namespace resonara {

namespace {

// Drawn after the background and before the grid, whose lines at the left
// column and bottom row then cover the frame's inner column and row.
constexpr std::array<Point, 6> kFramePath{{
    {kPlotLeft_px, kPlotTop_px},
    {kPlotLeft_px, kPlotBottom_px},
    {kPlotRight_px, kPlotBottom_px},
    {kPlotRight_px, kPlotBottom_px + 1},
    {kPlotLeft_px - 1, kPlotBottom_px + 1},
    {kPlotLeft_px - 1, kPlotTop_px},
}};

constexpr std::array<double, 19> kGridFrequencies_Hz{
    10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 200, 300, 400, 500, 600, 700, 800, 900, 1000,
};

constexpr int kGridRowStep_px = 25;

void DrawVertical(Surface& surface, int x) {
    surface.MoveTo(x, kPlotTop_px);
    surface.LineTo(x, kPlotBottom_px);
}

void DrawHorizontal(Surface& surface, int y) {
    surface.MoveTo(kPlotLeft_px, y);
    surface.LineTo(kPlotRight_px, y);
}

}  // namespace

void DrawPlotBackground(Surface& surface) {
    for (int x = kPlotLeft_px; x <= kPlotRight_px; ++x) DrawVertical(surface, x);
}

void DrawPlotFrame(Surface& surface) { DrawPolyline(surface, kFramePath); }

void DrawPlotGrid(Surface& surface) {
    for (double f : kGridFrequencies_Hz) DrawVertical(surface, FrequencyToX(f));
    for (int y = kPlotBottom_px; y >= kPlotTop_px; y -= kGridRowStep_px) DrawHorizontal(surface, y);
}

}  // namespace resonara
