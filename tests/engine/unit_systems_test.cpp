#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "box_design.h"

namespace resonara {
namespace {

std::string Shown15(double value) {
    char text[40];
    std::snprintf(text, sizeof text, "%.15g", value);
    return text;
}

std::string Shown6(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", static_cast<double>(value));
    return text;
}

BoxDesign Startup() {
    BoxDesign design;
    design.ApplyStartupValues();
    return design;
}

TEST(UnitSystemsTest, StartupValuesInEnglishShowAsWorkedOut) {
    BoxDesign design = Startup();
    design.ConvertToEnglish();
    EXPECT_EQ(Shown15(design.Vas), "6.574178352872");
    EXPECT_EQ(Shown15(design.Diameter), "11.960629921212");
    EXPECT_EQ(Shown15(design.Xmax), "0.236220472440945");
    EXPECT_EQ(Shown15(design.Dp), "6.2992125984");
    EXPECT_EQ(design.Vf, 0);
    EXPECT_EQ(design.Vr, 0);
    EXPECT_EQ(design.Lp, 0);
}

TEST(UnitSystemsTest, RoundTripThroughShownTextsGivesStartupValuesBack) {
    BoxDesign design = Startup();
    design.ConvertToEnglish();
    // The window reads the shown texts back before converting.
    design.Vas = std::stod(Shown15(design.Vas));
    design.Diameter = std::stod(Shown15(design.Diameter));
    design.Xmax = std::stod(Shown15(design.Xmax));
    design.Dp = std::stod(Shown15(design.Dp));
    design.ConvertToMetric();
    EXPECT_EQ(Shown15(design.Vas), "186.16");
    EXPECT_EQ(Shown15(design.Diameter), "30.38");
    EXPECT_EQ(Shown15(design.Xmax), "6");
    EXPECT_EQ(Shown15(design.Dp), "16");
}

TEST(UnitSystemsTest, SingleLastDigitOfAResultMayMoveOnTheWayBack) {
    BoxDesign design;
    design.Vr = 55.3708f;  // as shown after a metric run
    design.ConvertToEnglish();
    EXPECT_EQ(Shown6(design.Vr), "3378.93");
    design.Vr = std::stof(Shown6(design.Vr));
    design.ConvertToMetric();
    EXPECT_EQ(Shown6(design.Vr), "55.3707");
}

TEST(UnitSystemsTest, OneInchOfExcursionIsTwentyFiveAndAHalfMillimetres) {
    BoxDesign design;
    design.Xmax = 1;
    design.ConvertToMetric();
    EXPECT_EQ(Shown15(design.Xmax), "25.4");
    design.ConvertToEnglish();
    EXPECT_EQ(Shown15(design.Xmax), "1");
}

TEST(UnitSystemsTest, ConversionLeavesFlagsLabelsAndUnitlessFieldsAlone) {
    BoxDesign design = Startup();
    const BoxDesign before = design;
    design.ConvertToEnglish();
    EXPECT_TRUE(design.metric);
    EXPECT_FALSE(design.english);
    EXPECT_EQ(design.VasLabel, " liters");
    EXPECT_EQ(design.Qts, before.Qts);
    EXPECT_EQ(design.Fs, before.Fs);
    EXPECT_EQ(design.Pmax, before.Pmax);
    EXPECT_EQ(design.Ports, before.Ports);
}

TEST(UnitSystemsTest, LabelsOfEachSystem) {
    struct Row {
        UnitSystem system;
        const char *Vas, *Diameter, *Xmax, *Dp, *Vf, *Vr, *Lp;
    };
    const Row rows[] = {
        {UnitSystem::English, " ft3", " in", " in", " in", " in3", " in3", " in"},
        {UnitSystem::Metric, " liters", " cm", " mm", " cm", " liters", " liters", " cm"},
    };
    for (const Row& row : rows) {
        BoxDesign design;
        design.SetUnitLabels(row.system);
        EXPECT_EQ(design.VasLabel, row.Vas);
        EXPECT_EQ(design.DiameterLabel, row.Diameter);
        EXPECT_EQ(design.XmaxLabel, row.Xmax);
        EXPECT_EQ(design.DpLabel, row.Dp);
        EXPECT_EQ(design.VfLabel, row.Vf);
        EXPECT_EQ(design.VrLabel, row.Vr);
        EXPECT_EQ(design.LpLabel, row.Lp);
    }
}

TEST(BoxDesignTest, ConstructionIsAllZeroAndStartupValuesAreTheFreshWindow) {
    BoxDesign design;
    EXPECT_EQ(design.s07, 0);
    EXPECT_EQ(design.Qts, 0);
    EXPECT_TRUE(design.VasLabel.empty());
    EXPECT_FALSE(design.metric);

    design.Gain = 2;  // no start-up value of its own
    design.curveA[5] = 1;
    design.ApplyStartupValues();
    EXPECT_EQ(design.outputResponse, 1);
    EXPECT_EQ(design.powerResponse, 0);
    EXPECT_EQ(design.s05 + design.s06 + design.s07, 1);
    EXPECT_EQ(design.s07, 1);
    EXPECT_EQ(design.Qts, 0.342);
    EXPECT_EQ(design.Qes, 0.353);
    EXPECT_EQ(design.Fs, 24);
    EXPECT_EQ(design.Vas, 186.16);
    EXPECT_EQ(design.Pmax, 500);
    EXPECT_EQ(design.Diameter, 30.38);
    EXPECT_EQ(design.Xmax, 6);
    EXPECT_EQ(design.Dp, 16);
    EXPECT_EQ(design.Ports, 1);
    EXPECT_EQ(design.Gain, 2);
    EXPECT_EQ(design.curveA[5], 1);
    EXPECT_EQ(design.calculated, 0);
    EXPECT_TRUE(design.metric);
    EXPECT_FALSE(design.english);
    EXPECT_EQ(design.XmaxLabel, " mm");
}

}  // namespace
}  // namespace resonara
