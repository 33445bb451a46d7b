#include "excursion_limit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "alignment.h"
#include "design_fixture.h"
#include "maximum_output.h"
#include "output_response.h"

namespace resonara {
namespace {

using testing::StartupDesign;
using testing::DesignCase;
using testing::CaseInputs;

struct Computed {
    BoxDesign design;
    MaximumOutput output;
};

// The steps up to and including curve B, as a run chains them.
Computed Compute(BoxDesign design) {
    ComputeAlignment(design, ChooseAlignmentOption(design));
    ResponseWorkspace work;
    FillOutputResponse(design, work);
    const MaximumOutput output = FillMaximumOutput(design);
    FillExcursionLimit(design, output.Vd);
    return {design, output};
}

double At(const ResponseCurve& curve, int f_Hz) { return curve[static_cast<std::size_t>(f_Hz - kFirstFrequency_Hz)]; }

TEST(FillExcursionLimit, StartupDriverMatchesWorkedValues) {
    const Computed c = Compute(StartupDesign());
    const ResponseCurve& B = c.design.curveB;
    EXPECT_NEAR(At(B, 10), 81.39, 0.005);
    EXPECT_NEAR(At(B, 500), 109.13, 0.005);
    const auto peak = std::max_element(B.begin(), B.end());
    EXPECT_EQ(CurveFrequency_Hz(static_cast<std::size_t>(peak - B.begin())), 50);  // Fb is 50.125 Hz
    EXPECT_NEAR(*peak, 125.92, 0.005);
}

TEST(FillExcursionLimit, ExcursionLimitsBelowThermalLimitOnlyInTwoBands) {
    // Below 44 Hz and from 64 to 90 Hz the cone reaches Xmax before Pmax is reached.
    const Computed c = Compute(StartupDesign());
    for (int f = 10; f < 1000; ++f) {
        const bool excursionBound = f <= 43 || (f >= 64 && f <= 90);
        EXPECT_EQ(At(c.design.curveB, f) < At(c.design.curveC, f), excursionBound) << f << " Hz";
    }
}

TEST(ExcursionLimitLevel, PistonAtFbRadiatesFortyNineTimesPortGain) {
    // At f = Fb the port branch is (Fb^2/7)^2, so the level is
    // 112 + 10 log10(49 pi^3 (4 rho / c) Vd^2 Fb^4); with Vd = 1e-3 m^3, Fb = 40 Hz:
    // 49 * 31.00618 * 0.0136812 * 1e-6 * 2560000 = 53.2117 W -> 129.2601 dB (by hand).
    EXPECT_NEAR(ExcursionLimitLevel_dB(1e-3, 40, 40), 129.2601, 0.0005);
    // Far above Fb the port passes Fb^4/f^4 and the level settles at 112 + 10 log10(pi^3 (4 rho/c) Vd^2 Fb^4).
    EXPECT_NEAR(ExcursionLimitLevel_dB(1e-3, 40, 1e6), 129.2601 - 10 * std::log10(49.0), 0.0005);
}

TEST(ExcursionDrive, FullFormAgreesWithStoredClosedFormOverWholeCurve) {
    const DesignCase cases[] = {
        {"start-up values", 0.7, 0, 0.342, 24, 186.16, 500, 30.38, 6},
        {"S 0.5 with 6 dB gain", 0.5, 6, 0.342, 24, 186.16, 500, 30.38, 6},
        {"small driver S 0.6 cut by 4 dB", 0.6, -4, 0.25, 45, 30, 500, 16, 4},
        {"infinite rear chamber", 0.5, 0, 1, 24, 186.16, 500, 30.38, 6},
    };
    for (const DesignCase& dc : cases) {
        const Computed c = Compute(CaseInputs(dc));
        const ExcursionDrive drive = MakeExcursionDrive(c.design, c.output);
        for (std::size_t i = 0; i < kCurveSamples; ++i) {
            const double Px = drive.InputPower_W(CurveFrequency_Hz(i));
            const double fullForm = c.output.SPL1 + 10 * std::log10(Px) + c.design.curveA[i];
            ASSERT_NEAR(fullForm, c.design.curveB[i], 1e-7) << dc.name << " at " << CurveFrequency_Hz(i) << " Hz";
        }
    }
}

TEST(FrontChamberPolynomial, PortBranchFormsAgree) {
    const FrontChamberPolynomial p{1, 1.3, 0, 0, 0};
    for (double x : {0.1, 1.0, 1.3, 2.0, 40.0}) {
        const double detuning = p.h * p.h - x * x;
        const double loss = x * p.h / 7;
        EXPECT_NEAR(p.PortBranchMagnitude(x), detuning * detuning + loss * loss, 1e-12 * std::pow(x, 4) + 1e-12) << x;
    }
}

TEST(FrontChamberPolynomial, StartupDriverIsTunedAtItsClosedBoxResonance) {
    // Fc equals Fb for every alignment, so h is 1 to single precision and the
    // passband Q shows in a1 = a3 = 1/Qtc (+1e-4 of box loss).
    const Computed c = Compute(StartupDesign());
    const FrontChamberPolynomial p = MakeFrontChamberPolynomial(c.design, c.output);
    EXPECT_NEAR(p.h, 1, 1e-6);
    EXPECT_NEAR(p.a1, 1.4 + 1e-4, 1e-6);
    EXPECT_NEAR(p.a3, 1.4 + 1e-4, 1e-6);
    // a2 = 2 + Vasc / Vf + 1e-4 / Qtc with Vasc = 55.3708 * 186.16 / 241.5308 = 42.6771 = Vf.
    EXPECT_NEAR(p.a2, 3 + 1.4e-4, 1e-5);
}

}  // namespace
}  // namespace resonara
