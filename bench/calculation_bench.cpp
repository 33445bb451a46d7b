#include <benchmark/benchmark.h>

#include <cmath>
#include <string>

#include "box_design.h"
#include "calculation_run.h"

namespace {

using resonara::BoxDesign;

// A window that shows nothing: the run's own work is all that is measured.
class SilentWindow : public resonara::CalculationWindow {
public:
    bool ExchangeIn() override { return true; }
    void ExchangeOut() override {}
    void ShowError(const std::string&, const std::string&) override {}
    void Invalidate() override {}
};

void BM_CalculationRun(benchmark::State& state) {
    BoxDesign design;
    design.ApplyStartupValues();
    SilentWindow window;
    for (auto _ : state) {
        resonara::RunCalculation(design, window);
        benchmark::DoNotOptimize(design);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_CalculationRun);

// The least a run can cost: per sample of the curve grid, the square root and
// the base-10 logarithm of the response and the logarithm of the excursion limit.
void BM_CurveFloor(benchmark::State& state) {
    for (auto _ : state) {
        for (std::size_t i = 0; i < resonara::kCurveSamples; ++i) {
            double f = resonara::CurveFrequency_Hz(i);
            benchmark::DoNotOptimize(f);
            double root = std::sqrt(f);
            double response = std::log10(f);
            double limit = std::log10(root);
            benchmark::DoNotOptimize(root);
            benchmark::DoNotOptimize(response);
            benchmark::DoNotOptimize(limit);
        }
    }
}
BENCHMARK(BM_CurveFloor);

}  // namespace

BENCHMARK_MAIN();
