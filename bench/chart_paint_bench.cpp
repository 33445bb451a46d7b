#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <cmath>

#include "box_design.h"
#include "qt_surface.h"
#include "response_chart.h"

namespace resonara {
namespace {

// The main window's client area.
constexpr int kClientWidth_px = 768;
constexpr int kClientHeight_px = 554;

// Painting text needs the font database of a running application; the
// offscreen platform serves unless the caller chose one.
void EnsureApplication() {
    static int argc = 1;
    static char name[] = "resonara-bench";
    static char* argv[] = {name, nullptr};
    if (QGuiApplication::instance() != nullptr) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
}

// A calculated design in the power mode: two wavy curves inside the scale,
// so every one of their 2 x 989 segments is drawn, most of them slanted.
BoxDesign PowerModeDesign() {
    BoxDesign design;
    design.powerResponse = 1;
    design.calculated = 1;
    for (std::size_t i = 0; i < kCurveSamples; ++i) {
        design.curveB[i] = 75.0 + 60.0 * std::sin(0.05 * static_cast<double>(i));
        design.curveC[i] = 75.0 + 40.0 * std::cos(0.03 * static_cast<double>(i));
    }
    return design;
}

// A calculated design in the output mode: one wavy curve inside the scale,
// all 989 segments drawn.
BoxDesign OutputModeDesign() {
    BoxDesign design;
    design.outputResponse = 1;
    design.calculated = 1;
    for (std::size_t i = 0; i < kCurveSamples; ++i) design.curveA[i] = 20.0 * std::sin(0.04 * static_cast<double>(i));
    return design;
}

// A whole paint of the main window's chart on an image of its client area:
// 671 background columns, 35 frame and grid lines, the curves and the texts.
// The paint must stay well under 1.5 ms.
void PaintChart(benchmark::State& state, const BoxDesign& design) {
    EnsureApplication();
    QImage client(kClientWidth_px, kClientHeight_px, QImage::Format_RGB32);
    for (auto _ : state) {
        client.fill(Qt::lightGray);
        QtSurface surface(client);
        DrawResponseChart(surface, design);
    }
}

void BM_PaintOutputChart(benchmark::State& state) { PaintChart(state, OutputModeDesign()); }
BENCHMARK(BM_PaintOutputChart)->Unit(benchmark::kMicrosecond);

void BM_PaintPowerChart(benchmark::State& state) { PaintChart(state, PowerModeDesign()); }
BENCHMARK(BM_PaintPowerChart)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace resonara
