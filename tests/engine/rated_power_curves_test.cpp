#include "rated_power_curves.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "calculation_run.h"
#include "cone_excursion.h"
#include "design_fixture.h"
#include "excursion_limit.h"
#include "maximum_output.h"
#include "port_velocity.h"

namespace resonara {
namespace {

using testing::SelectS;
using testing::StartupDesign;
using testing::DesignCase;
using testing::CaseInputs;

// A window whose controls hold what the record holds; messages are dropped.
class SilentWindow : public CalculationWindow {
public:
    bool ExchangeIn() override { return true; }
    void ExchangeOut() override {}
    void ShowError(const std::string&, const std::string&) override {}
    void Invalidate() override {}
};

BoxDesign AfterRun(BoxDesign design) {
    SilentWindow window;
    RunCalculation(design, window);
    return design;
}

// What the run had at hand, from the metric record it left.
ExcursionDrive DriveOf(BoxDesign design) {
    const MaximumOutput maximumOutput = FillMaximumOutput(design);
    return MakeExcursionDrive(design, maximumOutput);
}

double At(const ResponseCurve& curve, int f_Hz) { return curve[static_cast<std::size_t>(f_Hz - kFirstFrequency_Hz)]; }

// Worked by hand for the start-up design (Fb = Fc = 50.12531 Hz, h = 1 to single precision):
//   Vd   = 0.3038^2 * 0.7853975 * 0.006 = 4.3492693e-4 m^3, cone area Sd = 0.07248782 m^2
//   eta0 = 9.64e-10 * 24^3 * 186.16 / 0.353 = 0.00702785
//   Pd   = 3.14159^3 * 0.0136812 * Fc^4 * Vd^2 = 31.00618 * 0.0136812 * 6.31284e6 * 1.891614e-7 = 0.5065618 W
//   Pd / eta0 = 72.07921 W
constexpr double kStartupStiffnessPower_W = 72.07921;
// Xmax * sqrt(Pmax * eta0 / Pd) = 6 * sqrt(500 / 72.07921)
constexpr double kStartupStiffnessExcursion_mm = 15.80270;
// At f = Fb: |D(j h)|^2 = (2 - a2)^2 = 1.00028 (the imaginary part vanishes with h = 1) and the
// port branch is (h^2 / 7)^2 = 1/49, so Px = 72.07921 * 1.00028 * 49 = 3532.870 W and the
// excursion 6 * sqrt(500 / 3532.870) = 2.257212 mm.
constexpr double kStartupExcursionAtFb_mm = 2.257212;
// The port carries 7 times the cone's volume velocity at Fb:
//   2 * 3.14159 * 50.12531 * 0.002257212 * 0.07248782 * 7 / (3.14159 * 0.08^2) = 17.94083 m/s.
constexpr double kStartupPortVelocityAtFb_m_s = 17.94083;

TEST(ConeExcursion, FarBelowFbApproachesTheStiffnessControlledExcursion) {
    // There |D|^2 and the port branch both tend to h^4, so Px tends to Pd / eta0.
    const BoxDesign design = AfterRun(StartupDesign());
    const ExcursionDrive drive = DriveOf(design);
    EXPECT_NEAR(drive.InputPower_W(0.01), kStartupStiffnessPower_W, 1e-4);
    EXPECT_NEAR(ConeExcursion_mm(drive, 6, 500, 0.01), kStartupStiffnessExcursion_mm, 1e-5);
    // At 10 Hz, the first sample, the curve is still within 5 % of it (16.46 mm by hand).
    EXPECT_NEAR(At(ComputeRatedPowerCurves(design).coneExcursion_mm, 10), 16.4638, 1e-4);
}

TEST(ConeExcursion, PortHoldsTheConeNearlyStillAtFb) {
    const BoxDesign design = AfterRun(StartupDesign());
    EXPECT_NEAR(ConeExcursion_mm(DriveOf(design), 6, 500, design.Fb), kStartupExcursionAtFb_mm, 1e-6);

    // Between the two passband edges the smallest excursion lies at the sample next to Fb.
    const ResponseCurve& excursion = ComputeRatedPowerCurves(design).coneExcursion_mm;
    const auto first = excursion.begin() + (31 - kFirstFrequency_Hz);
    const auto last = excursion.begin() + (81 - kFirstFrequency_Hz);
    const auto least = std::min_element(first, last);
    EXPECT_EQ(CurveFrequency_Hz(static_cast<std::size_t>(least - excursion.begin())), 50);
}

TEST(ConeExcursion, ReachesXmaxExactlyWherePmaxEqualsPx) {
    // Px(60 Hz) = 691.5777 W for the start-up driver, worked out by hand like Px(Fb) above.
    BoxDesign design = StartupDesign();
    design.Pmax = 691.5777;
    design = AfterRun(design);
    EXPECT_NEAR(At(ComputeRatedPowerCurves(design).coneExcursion_mm, 60), 6.0, 1e-6);
}

const DesignCase kDesignCases[] = {
    {"start-up values", 0.7, 0, 0.342, 24, 186.16, 500, 30.38, 6},
    {"S 0.5 with 6 dB gain", 0.5, 6, 0.342, 24, 186.16, 500, 30.38, 6},
    {"small driver S 0.6 cut by 4 dB", 0.6, -4, 0.25, 45, 30, 60, 16, 4},
    {"long-throw driver at 100 W", 0.7, 2, 0.4, 30, 80, 100, 25, 12},
};

BoxDesign CaseDesign(const DesignCase& dc) { return AfterRun(CaseInputs(dc)); }

TEST(ConeExcursion, ExceedsXmaxExactlyWhereCurveBLiesBelowCurveC) {
    // Curve B is the level at which the cone reaches Xmax, curve C the level at Pmax:
    // the cone limits the output wherever Pmax would push it beyond Xmax.
    for (const DesignCase& dc : kDesignCases) {
        const BoxDesign design = CaseDesign(dc);
        const ResponseCurve& excursion = ComputeRatedPowerCurves(design).coneExcursion_mm;
        for (std::size_t i = 0; i < kCurveSamples; ++i) {
            ASSERT_EQ(excursion[i] > design.Xmax, design.curveB[i] < design.curveC[i])
                << dc.name << " at " << CurveFrequency_Hz(i) << " Hz";
        }
    }
    // For the start-up design that is below 44 Hz and from 64 to 90 Hz (hand values:
    // 6.2349 mm at 43 Hz, 5.3570 at 44, 6.2069 at 64, 6.0477 at 90, 5.9265 at 91).
    const ResponseCurve& startup = ComputeRatedPowerCurves(CaseDesign(kDesignCases[0])).coneExcursion_mm;
    EXPECT_NEAR(At(startup, 43), 6.2349, 1e-4);
    EXPECT_NEAR(At(startup, 91), 5.9265, 1e-4);
}

TEST(PortVelocity, AtFbThePortCarriesSevenTimesTheConesVolumeVelocity) {
    const BoxDesign design = AfterRun(StartupDesign());
    const ExcursionDrive drive = DriveOf(design);
    EXPECT_NEAR(PortVolumeVelocityRatio(drive.front, design.Fb), 7, 1e-9);
    const double cone = ConeVolumeVelocity_m3_s(design.Fb, kStartupExcursionAtFb_mm, ConeArea_m2(design.Diameter));
    EXPECT_NEAR(PortAirVelocity_m_s(drive.front, design.Fb, cone, PortArea_m2(design.Dp, design.Ports)),
                kStartupPortVelocityAtFb_m_s, 1e-4);
}

TEST(PortVelocity, StartupCurveMatchesHandValues) {
    // Each by hand as at Fb: v = 2 pi f X(f) Sd * h^2 / sqrt(port branch) / (pi 0.08^2).
    const ResponseCurve& velocity = ComputeRatedPowerCurves(AfterRun(StartupDesign())).portVelocity_m_s;
    EXPECT_NEAR(At(velocity, 10), 3.88234, 1e-4);
    EXPECT_NEAR(At(velocity, 50), 17.98581, 1e-4);
    EXPECT_NEAR(At(velocity, 100), 3.70609, 1e-4);
    const auto peak = std::max_element(velocity.begin(), velocity.end());
    EXPECT_EQ(CurveFrequency_Hz(static_cast<std::size_t>(peak - velocity.begin())), 36);
    EXPECT_NEAR(*peak, 22.91535, 1e-4);
}

TEST(PortVelocity, TwoPortsHalveTheVelocity) {
    BoxDesign twoPorts = StartupDesign();
    twoPorts.Ports = 2;
    const ResponseCurve& one = ComputeRatedPowerCurves(AfterRun(StartupDesign())).portVelocity_m_s;
    const ResponseCurve& two = ComputeRatedPowerCurves(AfterRun(twoPorts)).portVelocity_m_s;
    for (std::size_t i = 0; i < kCurveSamples; ++i) ASSERT_NEAR(two[i], one[i] / 2, 1e-9 * one[i]) << i;
}

TEST(RatedPowerCurves, EnglishRecordGivesTheMetricCurves) {
    BoxDesign english = StartupDesign();
    english.SetUnitLabels(UnitSystem::English);
    english.ConvertToEnglish();
    english.english = true;
    english.metric = false;
    const RatedPowerCurves inEnglish = ComputeRatedPowerCurves(AfterRun(english));
    const RatedPowerCurves inMetric = ComputeRatedPowerCurves(AfterRun(StartupDesign()));
    for (std::size_t i = 0; i < kCurveSamples; ++i) {
        ASSERT_NEAR(inEnglish.coneExcursion_mm[i], inMetric.coneExcursion_mm[i], 1e-5 * inMetric.coneExcursion_mm[i]);
        ASSERT_NEAR(inEnglish.portVelocity_m_s[i], inMetric.portVelocity_m_s[i], 1e-5 * inMetric.portVelocity_m_s[i]);
    }
}

TEST(RatedPowerCurves, DegenerateDesignsGiveNumbersOrNonFiniteValuesWithoutFailing) {
    // S 0.5 and Gain 0 make Qbp 1, so Qts 1 gives an infinite Vr; Qts 1 with S 0.7 a negative one.
    BoxDesign infiniteVr = StartupDesign();
    SelectS(infiniteVr, 0.5);
    infiniteVr.Qts = 1;
    infiniteVr = AfterRun(infiniteVr);
    ASSERT_TRUE(std::isinf(infiniteVr.Vr));
    const RatedPowerCurves open = ComputeRatedPowerCurves(infiniteVr);
    // Without a rear chamber the driver keeps its free-air Qts, Fs and Vas, and Fb = Fs = 24 Hz,
    // Vf = Vas: h = 1, a1 = a3 = 1.0001, a2 = 3.0001, Pd / eta0 = 3.788145 W, and at 10 Hz
    // (x = 0.41667) Px = 3.788145 * |D|^2 / port branch = 2.085734 W: 6 * sqrt(500 / 2.085734) mm.
    EXPECT_NEAR(open.coneExcursion_mm[0], 92.898, 1e-3);

    BoxDesign negativeVr = StartupDesign();
    negativeVr.Qts = 1;
    negativeVr = AfterRun(negativeVr);
    ASSERT_LT(negativeVr.Vr, 0);
    ComputeRatedPowerCurves(negativeVr);

    BoxDesign noPorts = StartupDesign();
    noPorts.Ports = 0;
    const RatedPowerCurves closed = ComputeRatedPowerCurves(AfterRun(noPorts));
    EXPECT_TRUE(std::all_of(closed.portVelocity_m_s.begin(), closed.portVelocity_m_s.end(),
                            [](double v) { return std::isinf(v) && v > 0; }));
    EXPECT_TRUE(std::all_of(closed.coneExcursion_mm.begin(), closed.coneExcursion_mm.end(),
                            [](double x) { return std::isfinite(x); }));
}

}  // namespace
}  // namespace resonara
