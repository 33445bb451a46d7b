#include "response_chart.h"

#include <string_view>

#include "chart_labels.h"
#include "chart_scale.h"
#include "curve_plot.h"
#include "palette.h"
#include "plot_area.h"

namespace resonara {

namespace {

constexpr Pen kBackgroundPen{1, kPlotBlue};
constexpr Pen kFramePen{1, kBlack};
constexpr Pen kGridPen{1, kGridGrey};
constexpr Pen kRedCurvePen{2, kCurveRed};
constexpr Pen kGreenCurvePen{2, kCurveGreen};

// The legend of the thermal-limit curve, a short red line and its name.
constexpr Point kLegendLineFrom{550, 452};
constexpr Point kLegendLineTo{590, 452};
constexpr Point kLegendTextLeftTop{600, 442};
constexpr std::string_view kLegendText = "Thermal Limit";

// Curve A with the selected pen.
void DrawOutputMode(Surface& surface, const BoxDesign& design) {
    const CurveRows y = MapCurveRows(design.curveA, OutputLevelToY);
    if (design.calculated == 1) DrawCurve(surface, MapCurveColumns(), y);
}

void DrawLegend(Surface& surface) {
    surface.MoveTo(kLegendLineFrom.x, kLegendLineFrom.y);
    surface.LineTo(kLegendLineTo.x, kLegendLineTo.y);
    surface.TextOut(kLegendTextLeftTop.x, kLegendTextLeftTop.y, kLegendText);
}

// Curve B in green, then curve C and its legend in red.
void DrawPowerMode(Surface& surface, const BoxDesign& design) {
    const bool calculated = design.calculated == 1;
    surface.SetTextAlign(TA_LEFT | TA_TOP);
    surface.SetBkColor(kPlotBlue);
    const CurveColumns x = MapCurveColumns();

    surface.SelectPen(&kGreenCurvePen);
    const CurveRows yB = MapCurveRows(design.curveB, PowerLevelToY);
    if (calculated) DrawCurve(surface, x, yB);

    surface.SelectPen(&kRedCurvePen);
    const CurveRows yC = MapCurveRows(design.curveC, PowerLevelToY);
    if (calculated) {
        DrawCurve(surface, x, yC);
        DrawLegend(surface);
    }
}

}  // namespace

void DrawResponseChart(Surface& surface, const BoxDesign& design) {
    const Pen* previousPen = surface.SelectPen(&kBackgroundPen);
    DrawPlotBackground(surface);
    surface.SelectPen(&kFramePen);
    DrawPlotFrame(surface);
    surface.SelectPen(&kGridPen);
    DrawPlotGrid(surface);

    // The texts are drawn with the frame pen selected.
    surface.SelectPen(&kFramePen);
    DrawAxisLabels(surface, design.outputResponse == 1);

    // The two flags are tested each on its own: with both at 1 both modes draw.
    surface.SelectPen(&kRedCurvePen);
    if (design.outputResponse == 1) DrawOutputMode(surface, design);
    if (design.powerResponse == 1) DrawPowerMode(surface, design);

    surface.SelectPen(previousPen);
}

}  // namespace resonara
