#include "alignment.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "design_fixture.h"

namespace resonara {
namespace {

using testing::SelectS;
using testing::Shown;
using testing::StartupDesign;

struct FlagCase {
    const char* name;
    int s05, s06, s07;
    double S, b;
};

TEST(ChooseAlignmentOption, SetFlagPicksItsRowAndLargestSWins) {
    const FlagCase cases[] = {
        {"0.5 alone", 1, 0, 0, 0.5, 1.2712},
        {"0.6 alone", 0, 1, 0, 0.6, 0.956},
        {"0.7 alone", 0, 0, 1, 0.7, 0.7206},
        {"0.5 and 0.6 give 0.6", 1, 1, 0, 0.6, 0.956},
        {"0.5 and 0.7 give 0.7", 1, 0, 1, 0.7, 0.7206},
        {"none set falls back to start-up 0.7", 0, 0, 0, 0.7, 0.7206},
    };
    for (const FlagCase& c : cases) {
        BoxDesign design;
        design.s05 = c.s05;
        design.s06 = c.s06;
        design.s07 = c.s07;
        const AlignmentOption option = ChooseAlignmentOption(design);
        EXPECT_EQ(option.S, c.S) << c.name;
        EXPECT_EQ(option.b, c.b) << c.name;
    }
}

struct WorkedExample {
    const char* name;
    double S;
    double Gain;
    double Qbp;
    const char* Fl;
    const char* Fh;
    const char* Fb;
    const char* Vf;
    const char* Vr;
};

TEST(ComputeAlignment, ReproducesWorkedExamplesForStartupDriver) {
    const WorkedExample examples[] = {
        {"S 0.7 Gain 0", 0.7, 0, 0.7142857, "30.857", "81.4254", "50.1253", "42.6771", "55.3708"},
        {"S 0.7 Gain 3", 0.7, 3, 0.8489302, "39.4333", "90.0017", "59.574", "42.6771", "36.0665"},
        {"S 0.5 gives Qbp 1", 0.5, 0, 1.0, "38.5473", "127.754", "70.1754", "21.774", "24.6581"},
        {"S 0.6 Gain 0", 0.6, 0, 0.8333333, "33.8731", "100.961", "58.4795", "31.3546", "37.7052"},
    };
    for (const WorkedExample& e : examples) {
        BoxDesign design = StartupDesign();
        SelectS(design, e.S);
        design.Gain = e.Gain;
        const double Qbp = ComputeAlignment(design, ChooseAlignmentOption(design));
        EXPECT_NEAR(Qbp, e.Qbp, 5e-8) << e.name;
        EXPECT_EQ(Shown(design.Fl), e.Fl) << e.name;
        EXPECT_EQ(Shown(design.Fh), e.Fh) << e.name;
        EXPECT_EQ(Shown(design.Fb), e.Fb) << e.name;
        EXPECT_EQ(Shown(design.Vf), e.Vf) << e.name;
        EXPECT_EQ(Shown(design.Vr), e.Vr) << e.name;
    }
}

TEST(ComputeAlignment, BandEdgesSpanBFsOverQtsAroundGeometricMeanFbAndGainLeavesVf) {
    const double gains[] = {-6, 0, 2.5, 10};
    for (double S : {0.5, 0.6, 0.7}) {
        BoxDesign atZeroGain = StartupDesign();
        SelectS(atZeroGain, S);
        ComputeAlignment(atZeroGain, ChooseAlignmentOption(atZeroGain));
        for (double gain : gains) {
            BoxDesign design = StartupDesign();
            SelectS(design, S);
            design.Gain = gain;
            const AlignmentOption option = ChooseAlignmentOption(design);
            ComputeAlignment(design, option);
            const std::string where = "S " + std::to_string(S) + " Gain " + std::to_string(gain);
            EXPECT_NEAR(design.Fh - design.Fl, option.b * design.Fs / design.Qts, 1e-4) << where;
            EXPECT_NEAR(double(design.Fl) * design.Fh / (double(design.Fb) * design.Fb), 1, 1e-6) << where;
            EXPECT_EQ(design.Vf, atZeroGain.Vf) << where;
        }
    }
}

TEST(ComputeAlignment, EachThreeDbOfGainRaisesQbpBy1Point1885) {
    BoxDesign design = StartupDesign();
    const double at0 = ComputeAlignment(design, ChooseAlignmentOption(design));
    design.Gain = 3;
    const double at3 = ComputeAlignment(design, ChooseAlignmentOption(design));
    EXPECT_NEAR(at3 / at0, 1.1885, 1e-4);
}

TEST(ComputeAlignment, QbpEqualToQtsGivesInfiniteRearChamber) {
    BoxDesign design = StartupDesign();
    design.Qts = 1;
    SelectS(design, 0.5);
    const double Qbp = ComputeAlignment(design, ChooseAlignmentOption(design));
    EXPECT_EQ(Qbp, 1.0);
    EXPECT_TRUE(std::isinf(design.Vr));
    EXPECT_GT(design.Vr, 0);
    EXPECT_FLOAT_EQ(design.Fb, 24.0f);
}

TEST(ComputeAlignment, QbpBelowQtsGivesNegativeRearChamber) {
    BoxDesign design = StartupDesign();
    design.Qts = 1;
    ComputeAlignment(design, ChooseAlignmentOption(design));
    // Vas / ((1/1.4)^2 - 1) = 186.16 / (-0.4897959...) = -380.0767
    EXPECT_NEAR(design.Vr, -380.0767, 1e-3);
}

}  // namespace
}  // namespace resonara
