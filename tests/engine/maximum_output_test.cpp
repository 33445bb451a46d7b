#include "maximum_output.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "alignment.h"
#include "design_fixture.h"
#include "output_response.h"

namespace resonara {
namespace {

using testing::SelectS;
using testing::StartupDesign;

struct Computed {
    BoxDesign design;
    double Qbp;
    MaximumOutput output;
};

// Alignment, output response and maximum output, as a run chains them.
Computed Compute(BoxDesign design) {
    const double Qbp = ComputeAlignment(design, ChooseAlignmentOption(design));
    ResponseWorkspace work;
    FillOutputResponse(design, work);
    const MaximumOutput output = FillMaximumOutput(design);
    return {design, Qbp, output};
}

double At(const ResponseCurve& curve, int f_Hz) { return curve[static_cast<std::size_t>(f_Hz - kFirstFrequency_Hz)]; }

// 9.64e-10 * 24^3 * 186.16 / 0.353 = 9.64e-10 * 7290300.4 (by hand)
constexpr double kStartupEta0 = 0.0070278;

TEST(FillMaximumOutput, StartupDriverMatchesWorkedValues) {
    const Computed c = Compute(StartupDesign());
    EXPECT_NEAR(c.output.eta0, kStartupEta0, 1e-7);
    EXPECT_NEAR(c.output.SPL1, 90.47, 0.005);
    EXPECT_NEAR(c.output.SPLth, 117.46, 0.005);
    EXPECT_NEAR(c.output.Vd, 0.00043493, 1e-8);

    const ResponseCurve& C = c.design.curveC;
    EXPECT_NEAR(At(C, 10), 90.16, 0.005);
    EXPECT_NEAR(At(C, 100), 109.76, 0.005);
    EXPECT_NEAR(At(C, 999), 65.52, 0.005);
    const auto peak = std::max_element(C.begin(), C.end());
    EXPECT_EQ(CurveFrequency_Hz(static_cast<std::size_t>(peak - C.begin())), 54);
    EXPECT_NEAR(*peak, 117.46, 0.005);
}

TEST(FillMaximumOutput, ThermalLimitIsCurveARaisedBySPLth) {
    const Computed c = Compute(StartupDesign());
    for (std::size_t i = 0; i < kCurveSamples; ++i) {
        ASSERT_NEAR(c.design.curveC[i] - c.design.curveA[i], c.output.SPLth, 1e-9) << CurveFrequency_Hz(i) << " Hz";
    }
}

TEST(FillMaximumOutput, DoublingPmaxRaisesEverySampleByThreeDb) {
    BoxDesign doubled = StartupDesign();
    doubled.Pmax = 1000;
    const Computed base = Compute(StartupDesign());
    const Computed more = Compute(doubled);
    for (std::size_t i = 0; i < kCurveSamples; ++i) {
        ASSERT_NEAR(more.design.curveC[i] - base.design.curveC[i], 3.0103, 1e-4) << CurveFrequency_Hz(i) << " Hz";
    }
}

TEST(FillMaximumOutput, EfficiencyAndRatedLevelDependOnDriverAlone) {
    for (double S : {0.5, 0.6, 0.7}) {
        for (double gain : {-6.0, 0.0, 3.0, 10.0}) {
            BoxDesign design = StartupDesign();
            SelectS(design, S);
            design.Gain = gain;
            const Computed c = Compute(design);
            EXPECT_NEAR(c.output.eta0, kStartupEta0, 1e-7) << "S " << S << " Gain " << gain;
            EXPECT_NEAR(c.output.SPLth, 117.46, 0.005) << "S " << S << " Gain " << gain;
            // The closed-box driver is the passband's own second-order section.
            EXPECT_FLOAT_EQ(static_cast<float>(c.output.Fc), c.design.Fb) << "S " << S << " Gain " << gain;
            EXPECT_FLOAT_EQ(static_cast<float>(c.output.Qtc), static_cast<float>(c.Qbp)) << "S " << S << " Gain " << gain;
            const double peak = *std::max_element(c.design.curveC.begin(), c.design.curveC.end());
            EXPECT_NEAR(peak - c.output.SPLth, gain, 1.26) << "S " << S << " Gain " << gain;
        }
    }
}

TEST(FillMaximumOutput, NegativePmaxGivesNaNCurveQuietly) {
    BoxDesign design = StartupDesign();
    design.Pmax = -500;
    const Computed c = Compute(design);
    EXPECT_TRUE(std::isnan(c.output.SPLth));
    for (double level : c.design.curveC) ASSERT_TRUE(std::isnan(level));
}

// Qts 1 with S 0.5 and Gain 0 makes Qbp exactly Qts, so the rear chamber is
// infinite: the driver then works on no chamber at all.
TEST(FillMaximumOutput, InfiniteRearChamberTakesDriverOwnValues) {
    BoxDesign design = StartupDesign();
    design.Qts = 1;
    SelectS(design, 0.5);
    const Computed c = Compute(design);
    ASSERT_TRUE(std::isinf(c.design.Vr));
    EXPECT_EQ(c.output.Qtc, 1.0);
    EXPECT_EQ(c.output.Fc, 24.0);
    EXPECT_EQ(c.output.Vasc, 186.16);
    EXPECT_EQ(c.output.Qec, 0.353);
    EXPECT_NEAR(c.output.eta0, kStartupEta0, 1e-7);
    EXPECT_NEAR(c.output.SPLth, 117.46, 0.005);
    for (std::size_t i = 0; i < kCurveSamples; ++i) ASSERT_TRUE(std::isfinite(c.design.curveC[i])) << i;
}

TEST(ClosedBoxValues, NegativeInfiniteRearChamberHasTheSameLimit) {
    BoxDesign design = StartupDesign();
    const MaximumOutput m = ClosedBoxValues(design, -INFINITY);
    EXPECT_EQ(m.Qtc, design.Qts);
    EXPECT_EQ(m.Fc, design.Fs);
    EXPECT_EQ(m.Vasc, design.Vas);
    EXPECT_EQ(m.Qec, design.Qes);
}

TEST(ClosedBoxValues, FiniteRearChamberStiffensDriver) {
    // Vr = Vas: compliance halves, Q and resonance rise by sqrt(2).
    BoxDesign design = StartupDesign();
    const MaximumOutput m = ClosedBoxValues(design, design.Vas);
    EXPECT_DOUBLE_EQ(m.Qtc, 0.342 * std::sqrt(2.0));
    EXPECT_DOUBLE_EQ(m.Fc, 24 * std::sqrt(2.0));
    EXPECT_DOUBLE_EQ(m.Vasc, 186.16 / 2);
    EXPECT_DOUBLE_EQ(m.Qec, 0.353 * std::sqrt(2.0));
}

}  // namespace
}  // namespace resonara
