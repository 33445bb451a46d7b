#include "box_calculator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

namespace resonara {
namespace {

// What a six-digit field shows for a float.
std::string Shown(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", static_cast<double>(value));
    return text;
}

BoxCalculation Design(double Dp, double Lp, double Ports, float Vf, float Vr, bool english) {
    BoxCalculation box;
    box.Dp = Dp;
    box.Lp = Lp;
    box.Ports = Ports;
    box.Vf = Vf;
    box.Vr = Vr;
    box.english = english;
    return box;
}

struct Shows {
    const char *portVolume, *totalVf, *totalVr, *totalVolume, *length, *width, *frontDepth, *rearDepth;
};

void ExpectShows(const BoxCalculation& box, const Shows& expected) {
    EXPECT_EQ(Shown(box.portVolume), expected.portVolume);
    EXPECT_EQ(Shown(box.totalVf), expected.totalVf);
    EXPECT_EQ(Shown(box.totalVr), expected.totalVr);
    EXPECT_EQ(Shown(box.totalVolume), expected.totalVolume);
    EXPECT_EQ(Shown(box.length), expected.length);
    EXPECT_EQ(Shown(box.width), expected.width);
    EXPECT_EQ(Shown(box.frontDepth), expected.frontDepth);
    EXPECT_EQ(Shown(box.rearDepth), expected.rearDepth);
}

TEST(BoxCalculatorTest, MetricOpeningAddsPortVolumeAndGivesGoldenBox) {
    BoxCalculation box = Design(10, 10, 1, 10, 20, false);
    ComputeBoxOnOpening(box);
    ExpectShows(box, {"0.785398", "10.7854", "20", "30.7854", "31.3411", "50.7727", "6.77784", "12.5686"});
}

TEST(BoxCalculatorTest, CalculateKeepsTypedLengthAndWidth) {
    BoxCalculation box = Design(10, 10, 1, 10, 20, false);
    ComputeBoxOnOpening(box);
    box.length = 40;
    box.width = 30;
    RecomputeBoxDepths(box);
    ExpectShows(box, {"0.785398", "10.7854", "20", "30.7854", "40", "30", "8.98783", "16.6667"});
}

TEST(BoxCalculatorTest, EnglishOpeningWorksInCubicInches) {
    BoxCalculation box = Design(4, 4, 1, 600, 1200, true);
    ComputeBoxOnOpening(box);
    EXPECT_EQ(Shown(box.portVolume), "50.2654");
    EXPECT_EQ(Shown(box.totalVolume), "1850.27");
    EXPECT_EQ(Shown(box.length), "12.2766");
    EXPECT_EQ(Shown(box.width), "19.8881");
    EXPECT_EQ(Shown(box.frontDepth), "2.6633");
    EXPECT_EQ(Shown(box.rearDepth), "4.91485");
}

TEST(BoxCalculatorTest, AdditionalVolumesEnterEveryTotal) {
    // Port volume 0.785398 l; 5 l more in front and 2 l more behind.
    BoxCalculation box = Design(10, 10, 1, 10, 20, false);
    box.addlVf = 5;
    box.addlVr = 2;
    ComputeBoxOnOpening(box);
    EXPECT_EQ(Shown(box.totalVf), "15.7854");
    EXPECT_EQ(Shown(box.totalVr), "22");
    EXPECT_EQ(Shown(box.totalVolume), "37.7854");
    // The two depths add up to the box depth Length / 1.62.
    EXPECT_NEAR(box.frontDepth + box.rearDepth, box.length / 1.62, 1e-4);
}

TEST(BoxCalculatorTest, EmptyDesignGivesZeroBoxAndNotANumberDepths) {
    BoxCalculation box = Design(16, 0, 1, 0, 0, false);
    ComputeBoxOnOpening(box);
    EXPECT_EQ(box.portVolume, 0);
    EXPECT_EQ(box.totalVolume, 0);
    EXPECT_EQ(box.length, 0);
    EXPECT_EQ(box.width, 0);
    EXPECT_TRUE(std::isnan(box.frontDepth));
    EXPECT_TRUE(std::isnan(box.rearDepth));
}

TEST(BoxCalculatorTest, NegativeTotalVolumeHasNoRealEdge) {
    BoxCalculation box = Design(10, 10, 1, -50, 20, false);
    ComputeBoxOnOpening(box);
    EXPECT_TRUE(std::isnan(box.length));
    EXPECT_TRUE(std::isnan(box.width));
}

TEST(BoxCalculatorTest, ZeroWidthTypedMakesDepthsInfinite) {
    BoxCalculation box = Design(10, 10, 1, 10, 20, false);
    ComputeBoxOnOpening(box);
    box.width = 0;
    RecomputeBoxDepths(box);
    EXPECT_TRUE(std::isinf(box.frontDepth));
    EXPECT_TRUE(std::isinf(box.rearDepth));
}

}  // namespace
}  // namespace resonara
