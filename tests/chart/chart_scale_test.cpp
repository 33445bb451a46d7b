#include "chart_scale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

namespace resonara {
namespace {

TEST(FrequencyToX, GridFrequenciesLandOnTheirColumns) {
    const struct {
        double f_Hz;
        int x;
    } cases[] = {
        {10, 70},   {20, 170},  {30, 229},  {40, 271},  {50, 304},  {60, 330},  {70, 353},
        {80, 372},  {90, 389},  {100, 405}, {200, 505}, {300, 564}, {400, 606}, {500, 639},
        {600, 665}, {700, 688}, {800, 707}, {900, 724}, {1000, 740},
    };
    for (const auto& c : cases) EXPECT_EQ(FrequencyToX(c.f_Hz), c.x) << c.f_Hz << " Hz";
}

TEST(FrequencyToX, NeighbouringSamplesShareColumnsNearTheTop) {
    EXPECT_EQ(FrequencyToX(11), 83);
    EXPECT_EQ(FrequencyToX(12), 96);
    for (int f = 994; f <= 999; ++f) EXPECT_EQ(FrequencyToX(f), 739) << f << " Hz";
}

struct RowCase {
    const char* name;
    double level;
    std::optional<int> y;
};

TEST(OutputLevelToY, MapsLevelsInDecibels) {
    const RowCase cases[] = {
        {"0 dB one below its grid line", 0.0, 366},
        {"0.3 dB", 0.3, 364},
        {"-3 dB", -3.0, 381},
        {"+25 dB top of the scale", 25.0, 241},
        {"+25.1 dB onto the top edge", 25.1, 240},
        {"-25 dB below the bottom edge", -25.0, 491},
        {"-24.9 dB onto the bottom edge", -24.9, 490},
        {"4e8 dB far above, still an int", 4e8, -1999999634},
        {"-4e8 dB far below, still an int", -4e8, 2000000366},
        {"-5e8 dB row past INT_MAX", -5e8, std::nullopt},
        {"1e300 dB", 1e300, std::nullopt},
        {"-1e300 dB", -1e300, std::nullopt},
        {"+inf", std::numeric_limits<double>::infinity(), std::nullopt},
        {"-inf", -std::numeric_limits<double>::infinity(), std::nullopt},
        {"NaN", std::numeric_limits<double>::quiet_NaN(), std::nullopt},
    };
    for (const RowCase& c : cases) EXPECT_EQ(OutputLevelToY(c.level), c.y) << c.name;
}

TEST(PowerLevelToY, MapsLevelsWithTheDecimalFactor) {
    const RowCase cases[] = {
        {"0 on the bottom edge", 0.0, 490},
        {"90", 90.0, 340},
        {"149.4 just inside the top", 149.4, 241},
        {"150 onto the top edge", 150.0, 240},
        {"1e300", 1e300, std::nullopt},
        {"-1e300", -1e300, std::nullopt},
        {"+inf", std::numeric_limits<double>::infinity(), std::nullopt},
        {"-inf", -std::numeric_limits<double>::infinity(), std::nullopt},
        {"NaN", std::numeric_limits<double>::quiet_NaN(), std::nullopt},
    };
    for (const RowCase& c : cases) EXPECT_EQ(PowerLevelToY(c.level), c.y) << c.name;
}

TEST(InsidePlot, OnlyRowsStrictlyBetweenTopAndBottomEdges) {
    EXPECT_FALSE(InsidePlot(std::nullopt));
    EXPECT_FALSE(InsidePlot(240));
    EXPECT_TRUE(InsidePlot(241));
    EXPECT_TRUE(InsidePlot(489));
    EXPECT_FALSE(InsidePlot(490));
}

}  // namespace
}  // namespace resonara
