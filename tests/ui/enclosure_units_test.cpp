// The "&English" and "&Metric" menu items: what the fields and unit labels
// show after a switch, a calculation in English, and what a switch does not do.
#include <vector>

#include "window_test_helpers.h"

namespace resonara::testing {
namespace {

class EnclosureUnitsTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        repaints_.emplace(window_.ClientArea());
        repaints_->Reset();
    }

    void English() { ChooseMenu(window_, kUnitsEnglishCommand); }
    void Metric() { ChooseMenu(window_, kUnitsMetricCommand); }

    void ExpectShown(const std::vector<std::pair<int, const char*>>& rows) {
        for (const auto& [control, text] : rows) EXPECT_EQ(Text(control), text) << control;
    }

    std::optional<WholeRepaintCounter> repaints_;
};

// Vas 186.16 l * 0.0353146667, Diameter 30.38 cm and Dp 16 cm * 0.3937007874,
// Xmax 6 mm / 25.4, each shown with 15 significant digits.
const std::vector<std::pair<int, const char*>> kStartupInEnglish = {
    {kVasEdit, "6.574178352872"},  {kDiameterEdit, "11.960629921212"}, {kXmaxEdit, "0.236220472440945"},
    {kDpEdit, "6.2992125984"},     {kVfEdit, "0"},                     {kVrEdit, "0"},
    {kLpEdit, "0"},                {kVasUnit, " ft3"},                 {kDiameterUnit, " in"},
    {kXmaxUnit, " in"},            {kDpUnit, " in"},                   {kVfUnit, " in3"},
    {kVrUnit, " in3"},             {kLpUnit, " in"},
};

const std::vector<std::pair<int, const char*>> kStartupInMetric = {
    {kVasEdit, "186.16"}, {kDiameterEdit, "30.38"}, {kXmaxEdit, "6"},           {kDpEdit, "16"},
    {kVasUnit, " liters"}, {kDiameterUnit, " cm"},  {kXmaxUnit, " mm"},         {kDpUnit, " cm"},
    {kVfUnit, " liters"}, {kVrUnit, " liters"},     {kLpUnit, " cm"},
};

TEST_F(EnclosureUnitsTest, StartupValuesSwitchToEnglishAndBack) {
    English();
    ExpectShown(kStartupInEnglish);
    Metric();
    ExpectShown(kStartupInMetric);
}

TEST_F(EnclosureUnitsTest, EnglishChosenTwiceConvertsOnce) {
    English();
    English();
    ExpectShown(kStartupInEnglish);
    EXPECT_TRUE(window_.Design().english);
    EXPECT_FALSE(window_.Design().metric);
}

TEST_F(EnclosureUnitsTest, MetricWhileMetricConvertsNothing) {
    Metric();
    ExpectShown(kStartupInMetric);
    EXPECT_TRUE(window_.Design().metric);
    EXPECT_FALSE(window_.Design().english);
}

TEST_F(EnclosureUnitsTest, UnitCommandsNeitherCalculateNorRepaint) {
    English();
    Metric();
    EXPECT_EQ(Text(kFbEdit), "0");
    EXPECT_EQ(window_.Design().calculated, 0);
    EXPECT_EQ(repaints_->Count(), 0);
    EXPECT_TRUE(services_.MessageBoxes().empty());

    Calculate();
    repaints_->Reset();
    English();
    EXPECT_EQ(repaints_->Count(), 0);
}

// The run works in metric and shows English results; the frequencies carry no unit.
TEST_F(EnclosureUnitsTest, CalculationInEnglishShowsEnglishResults) {
    English();
    Calculate();
    ExpectShown({{kVfEdit, "2604.31"}, {kVrEdit, "3378.93"}, {kLpEdit, "17.5362"}, {kFbEdit, "50.1253"},
                 {kFlEdit, "30.857"}, {kFhEdit, "81.4254"}});
    ExpectShown({{kVasUnit, " ft3"}, {kVfUnit, " in3"}, {kVrUnit, " in3"}, {kLpUnit, " in"}});
}

TEST_F(EnclosureUnitsTest, TwentyFivePointFourMillimetresOfXmaxAreOneInch) {
    Type(kXmaxEdit, "25.4");
    English();
    EXPECT_EQ(Text(kXmaxEdit), "1");
    Type(kXmaxEdit, "1");
    Metric();
    EXPECT_EQ(Text(kXmaxEdit), "25.4");
}

// The switch reads the six digits shown, so the last digit can move.
TEST_F(EnclosureUnitsTest, SingleResultThereAndBackMovesInItsLastDigit) {
    Calculate();
    EXPECT_EQ(Text(kVrEdit), "55.3708");
    English();
    EXPECT_EQ(Text(kVrEdit), "3378.93");
    Metric();
    EXPECT_EQ(Text(kVrEdit), "55.3707");
}

// The command reports the bad field, goes on, and writes the converted
// previous value over the text.
TEST_F(EnclosureUnitsTest, BadFieldIsReplacedByItsConvertedPreviousValue) {
    Type(kXmaxEdit, "far");
    services_.ExpectMessageBox();
    English();
    ASSERT_EQ(services_.MessageBoxes().size(), 1u);
    EXPECT_EQ(services_.MessageBoxes()[0].text, "Please enter a number.");
    EXPECT_EQ(Text(kXmaxEdit), "0.236220472440945");
    EXPECT_EQ(Text(kXmaxUnit), " in");
}

}  // namespace
}  // namespace resonara::testing
