#include "port_design.h"

#include <gtest/gtest.h>

#include <cmath>

#include "alignment.h"
#include "design_fixture.h"

namespace resonara {
namespace {

using testing::SelectS;
using testing::Shown;
using testing::StartupDesign;

// Cone displacement of the start-up driver: (0.3038 m)^2 * pi/4 * 0.006 m.
constexpr double kStartupVd_m3 = 0.00043493;

BoxDesign Aligned(BoxDesign design) {
    ComputeAlignment(design, ChooseAlignmentOption(design));
    return design;
}

TEST(DesignPort, StartupValuesGiveWorkedLengthAndNoWarning) {
    BoxDesign design = Aligned(StartupDesign());
    const PortCheck check = DesignPort(design, kStartupVd_m3);
    EXPECT_EQ(Shown(design.Lp), "44.5419");
    EXPECT_NEAR(check.Dmin, 15.911, 0.0005);
    EXPECT_FALSE(check.warningDue);
}

TEST(DesignPort, TwoPortsLengthenEachAndShareTheArea) {
    BoxDesign design = Aligned(StartupDesign());
    design.Ports = 2;
    const PortCheck check = DesignPort(design, kStartupVd_m3);
    EXPECT_NEAR(design.Lp, 100.80, 0.005);
    EXPECT_NEAR(check.Dmin, 11.25, 0.005);
    EXPECT_FALSE(check.warningDue);
}

struct EdgeCase {
    const char* name;
    double Dp;
    double Ports;
    bool warns;
};

TEST(DesignPort, WarningOnlyWhenMinimumStrictlyExceedsDiameter) {
    const EdgeCase cases[] = {
        {"Dp 15.9 is below 15.911", 15.9, 1, true},
        {"Dp 16 is above 15.911", 16, 1, false},
        {"0 ports need an infinite diameter", 16, 0, true},
        {"negative ports give NaN and no warning", 16, -1, false},
        {"Dp 0 warns", 0, 1, true},
        {"negative Dp always warns", -16, 1, true},
        {"negative Dp with 0 ports warns", -16, 0, true},
    };
    for (const EdgeCase& c : cases) {
        BoxDesign design = Aligned(StartupDesign());
        design.Dp = c.Dp;
        design.Ports = c.Ports;
        EXPECT_EQ(DesignPort(design, kStartupVd_m3).warningDue, c.warns) << c.name;
    }
}

TEST(DesignPort, DiameterEqualToMinimumDoesNotWarn) {
    BoxDesign design = Aligned(StartupDesign());
    design.Dp = DesignPort(design, kStartupVd_m3).Dmin;
    EXPECT_FALSE(DesignPort(design, kStartupVd_m3).warningDue);
}

TEST(DesignPort, OddPortCountsGiveTheirLengths) {
    BoxDesign design = Aligned(StartupDesign());
    design.Ports = 0;
    PortCheck check = DesignPort(design, kStartupVd_m3);
    EXPECT_FLOAT_EQ(design.Lp, static_cast<float>(-0.732 * 16));
    EXPECT_TRUE(std::isinf(check.Dmin));

    design.Ports = -1;
    check = DesignPort(design, kStartupVd_m3);
    EXPECT_LT(design.Lp, 0);
    EXPECT_TRUE(std::isnan(check.Dmin));

    design.Ports = 1;
    design.Dp = 0;
    check = DesignPort(design, kStartupVd_m3);
    EXPECT_EQ(design.Lp, 0);
    EXPECT_GT(check.Dmin, 0);
}

TEST(DesignPort, LengthIndependentOfSAndShorterWithGain) {
    // Fb^2 * Vf equals Fs^2 * Vas * 10^(Gain/20) whatever S is.
    for (double gain : {0.0, 3.0}) {
        float lengths[3];
        int k = 0;
        for (double S : {0.5, 0.6, 0.7}) {
            BoxDesign design = StartupDesign();
            SelectS(design, S);
            design.Gain = gain;
            design = Aligned(design);
            DesignPort(design, kStartupVd_m3);
            lengths[k++] = design.Lp;
        }
        EXPECT_NEAR(lengths[0], lengths[2], 1e-4f) << "Gain " << gain;
        EXPECT_NEAR(lengths[1], lengths[2], 1e-4f) << "Gain " << gain;
    }
    BoxDesign flat = Aligned(StartupDesign());
    BoxDesign raised = StartupDesign();
    raised.Gain = 3;
    raised = Aligned(raised);
    DesignPort(flat, kStartupVd_m3);
    DesignPort(raised, kStartupVd_m3);
    // 16^2 * 23562.5 / (24^2 * 186.16) = 56.2539 cm of air mass, less 11.712 of end correction.
    EXPECT_NEAR(flat.Lp, 56.2539 - 11.712, 1e-3);
    EXPECT_NEAR(raised.Lp, 56.2539 / std::pow(10, 3.0 / 20) - 11.712, 1e-3);
}

}  // namespace
}  // namespace resonara
