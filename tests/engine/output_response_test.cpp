#include "output_response.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "alignment.h"
#include "design_fixture.h"

namespace resonara {
namespace {

using testing::SelectS;
using testing::StartupDesign;

// A driver aligned and its curve A filled, as a run would leave it.
BoxDesign Responded(BoxDesign design) {
    ComputeAlignment(design, ChooseAlignmentOption(design));
    ResponseWorkspace work;
    FillOutputResponse(design, work);
    return design;
}

double At(const ResponseCurve& curve, int f_Hz) { return curve[static_cast<std::size_t>(f_Hz - kFirstFrequency_Hz)]; }

TEST(FillOutputResponse, StartupDriverMatchesWorkedCurve) {
    const BoxDesign design = Responded(StartupDesign());
    const struct {
        int f;
        double level;
    } points[] = {{10, -27.30}, {30, -3.57}, {50, -0.00}, {100, -7.70}, {999, -51.94}};
    for (const auto& p : points) EXPECT_NEAR(At(design.curveA, p.f), p.level, 0.005) << p.f << " Hz";

    const auto peak = std::max_element(design.curveA.begin(), design.curveA.end());
    EXPECT_EQ(CurveFrequency_Hz(static_cast<std::size_t>(peak - design.curveA.begin())), 54);
    EXPECT_NEAR(*peak, 0, 0.001);
}

struct Driver {
    const char* name;
    double Qts, Fs, Vas;
};

const Driver kDrivers[] = {
    {"start-up driver", 0.342, 24, 186.16},
    {"small stiff driver", 0.2, 40, 50},
    {"loose high-Q driver", 0.5, 20, 300},
};

BoxDesign WithDriver(const Driver& driver, double S, double gain) {
    BoxDesign design = StartupDesign();
    design.Qts = driver.Qts;
    design.Fs = driver.Fs;
    design.Vas = driver.Vas;
    design.Gain = gain;
    SelectS(design, S);
    return design;
}

TEST(SystemPolynomial, BandEdgesSitThreeDbBelowGainAndFbAtGain) {
    for (const Driver& driver : kDrivers) {
        for (double S : {0.5, 0.6, 0.7}) {
            for (double gain : {-6.0, 0.0, 3.0, 10.0}) {
                BoxDesign design = WithDriver(driver, S, gain);
                ComputeAlignment(design, ChooseAlignmentOption(design));
                const SystemPolynomial p = MakeSystemPolynomial(design);
                const std::string where = std::string(driver.name) + " S " + std::to_string(S) + " Gain " +
                                          std::to_string(gain);
                EXPECT_NEAR(p.Level_dB(design.Fl), gain - 3, 0.01) << where;
                EXPECT_NEAR(p.Level_dB(design.Fh), gain - 3, 0.01) << where;
                EXPECT_NEAR(p.Level_dB(design.Fb), gain, 0.01) << where;
            }
        }
    }
}

TEST(FillOutputResponse, RippleAboveGainDependsOnSOnly) {
    const struct {
        double S;
        double lowest, highest;  // rise of the curve's peak above Gain, dB
    } ripples[] = {{0.5, 1.24, 1.25}, {0.6, 0.35, 0.355}, {0.7, -0.001, 0.001}};
    for (const Driver& driver : kDrivers) {
        for (const auto& r : ripples) {
            for (double gain : {-6.0, 0.0, 10.0}) {
                const BoxDesign design = Responded(WithDriver(driver, r.S, gain));
                const double rise = *std::max_element(design.curveA.begin(), design.curveA.end()) - gain;
                EXPECT_GE(rise, r.lowest) << driver.name << " S " << r.S << " Gain " << gain;
                EXPECT_LE(rise, r.highest) << driver.name << " S " << r.S << " Gain " << gain;
            }
        }
    }
}

TEST(FillOutputResponse, ScalingVasScalesChambersAndLeavesCurve) {
    const BoxDesign base = Responded(StartupDesign());
    BoxDesign larger = StartupDesign();
    larger.Vas *= 3;
    larger = Responded(larger);
    EXPECT_NEAR(larger.Vf, 3 * base.Vf, 1e-4);
    EXPECT_NEAR(larger.Vr, 3 * base.Vr, 1e-4);
    for (std::size_t i = 0; i < kCurveSamples; ++i) {
        ASSERT_NEAR(larger.curveA[i], base.curveA[i], 1e-4) << CurveFrequency_Hz(i) << " Hz";
    }
}

TEST(FillOutputResponse, InfiniteRearChamberStillGivesFiniteCurve) {
    BoxDesign design = StartupDesign();
    design.Qts = 1;
    SelectS(design, 0.5);
    design = Responded(design);
    ASSERT_TRUE(std::isinf(design.Vr));
    for (double level : design.curveA) ASSERT_TRUE(std::isfinite(level));
}

TEST(SystemPolynomial, LevelAtWholeHertzEqualsCurveSample) {
    const BoxDesign design = Responded(StartupDesign());
    const SystemPolynomial p = MakeSystemPolynomial(design);
    for (int f : {10, 54, 333, 999}) EXPECT_DOUBLE_EQ(p.Level_dB(f), At(design.curveA, f)) << f << " Hz";
}

}  // namespace
}  // namespace resonara
