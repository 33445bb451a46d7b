#include "curve_plot.h"

#include "chart_scale.h"

namespace resonara {

CurveColumns MapCurveColumns() {
    CurveColumns x{};
    for (std::size_t i = 0; i < kCurveSamples; ++i) x[i] = FrequencyToX(CurveFrequency_Hz(i));
    return x;
}

CurveRows MapCurveRows(const ResponseCurve& curve, std::optional<int> (*levelToY)(double)) {
    CurveRows y{};
    for (std::size_t i = 0; i < kCurveSamples; ++i) y[i] = levelToY(curve[i]);
    return y;
}

void DrawCurve(Surface& surface, const CurveColumns& x, const CurveRows& y) {
    for (std::size_t i = 0; i + 1 < kCurveSamples; ++i) {
        if (!InsidePlot(y[i]) || !InsidePlot(y[i + 1])) continue;
        surface.MoveTo(x[i], *y[i]);
        surface.LineTo(x[i + 1], *y[i + 1]);
    }
}

}  // namespace resonara
