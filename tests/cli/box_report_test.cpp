#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "designer_fixture.h"

namespace resonara {
namespace {

using namespace test;

// The Box Calculator opened on the start-up design's results, worked by hand from
// Vf 42.6771, Vr 55.3708, Lp 44.5419, Dp 16 and one port:
//   port volume  = 8^2 * 44.5419 * 3.14159 * 0.001           =   8.955673 liters
//   Total Vf     = 8.955673 + 42.6771                          =  51.632773
//   Total Vr     = 55.3708
//   Total Volume = 8.955673 + 42.6771 + 55.3708                = 107.003573
//   Length       = (107003.573)^0.333333333                    =  47.475122 cm
//   Width        = 1.62 * 47.475122                            =  76.909698
//   Front Depth  = 51632.773 / (47.475122 * 76.909698)         =  14.140939
//   Rear Depth   = 55370.8 / 47.475122 / 76.909698             =  15.164692
struct Figure {
    std::string label;
    std::string key;
    double value;
};

const std::vector<Figure> kStartupBox = {
    {"Port Volume (liter):", "port_volume", 8.955673}, {"Total Vf (liter):", "total_vf", 51.632773},
    {"Total Vr (liter):", "total_vr", 55.3708},         {"Total Volume (liter):", "total_volume", 107.003573},
    {"Length (cm):", "length", 47.475122},               {"Width (cm):", "width", 76.909698},
    {"Front Depth (cm):", "front_depth", 14.140939},     {"Rear Depth (cm):", "rear_depth", 15.164692},
};

// The hand values start from six-digit texts of floats; the box's own figures are shown
// with six digits in plain output and read back exactly from JSON.
constexpr double kPlainTolerance = 5e-6;
constexpr double kJsonTolerance = 2e-6;

std::vector<std::string> OutputLines(const std::string& out) {
    std::vector<std::string> lines;
    std::istringstream text(out);
    for (std::string line; std::getline(text, line);) lines.push_back(line);
    return lines;
}

TEST(BoxReport, PlainLinesCarryTheBoxCalculatorsLabelsAfterTheResults) {
    const Outcome outcome = Design({"--box"});
    ASSERT_EQ(outcome.status, kExitSuccess) << outcome.err;
    const std::vector<std::string> lines = OutputLines(outcome.out);
    ASSERT_EQ(lines.size(), 6 + kStartupBox.size());
    EXPECT_EQ(lines[5], "Lp: 44.5419 cm");
    for (std::size_t i = 0; i < kStartupBox.size(); ++i) {
        const Figure& figure = kStartupBox[i];
        const std::string& line = lines[6 + i];
        ASSERT_EQ(line.substr(0, figure.label.size() + 1), figure.label + " ") << line;
        const double shown = std::strtod(line.c_str() + figure.label.size() + 1, nullptr);
        EXPECT_NEAR(shown, figure.value, kPlainTolerance * figure.value) << line;
    }
    EXPECT_EQ(lines[6], "Port Volume (liter): 8.95567");
}

TEST(BoxReport, JsonBoxObjectHoldsTheFloatsExactly) {
    const Outcome outcome = Design({"--box", "--json"});
    ASSERT_EQ(outcome.status, kExitSuccess) << outcome.err;
    ASSERT_NE(outcome.out.find("},\"box\":{\"port_volume\":"), std::string::npos);
    for (const Figure& figure : kStartupBox) {
        const std::string text = JsonValue(outcome.out, figure.key);
        EXPECT_NEAR(std::strtod(text.c_str(), nullptr), figure.value, kJsonTolerance * figure.value) << figure.key;
        // "%.9g": the float that the text reads back as is written as the same text.
        char again[32];
        std::snprintf(again, sizeof again, "%.9g", static_cast<double>(std::strtof(text.c_str(), nullptr)));
        EXPECT_EQ(again, text);
    }
    EXPECT_EQ(Design({"--json"}).out.find("\"box\""), std::string::npos);
}

TEST(BoxReport, AdditionalVolumesEnterTheTotals) {
    const Outcome outcome = Design({"--box", "--json", "--addl-vf", "10", "--addl-vr=5"});
    ASSERT_EQ(outcome.status, kExitSuccess) << outcome.err;
    const auto value = [&](const char* key) { return std::strtod(JsonValue(outcome.out, key).c_str(), nullptr); };
    EXPECT_NEAR(value("port_volume"), 8.955673, 1e-5);
    EXPECT_NEAR(value("total_vf"), 61.632773, 1e-4);
    EXPECT_NEAR(value("total_vr"), 60.3708, 1e-4);
    EXPECT_NEAR(value("total_volume"), 122.003573, 1e-4);
    // (122003.573)^0.333333333 by hand.
    EXPECT_NEAR(value("length"), 49.59724, 1e-4);
}

TEST(BoxReport, EnglishUnitsShowCubicInchesAndInches) {
    // The run stores Lp 17.5361748 in (shown 17.5362); Dp is 6.2992125984 in:
    // port volume = 3.1496063^2 * 17.5361748 * 3.14159 = 546.5085 in3 (no factor: in3 from inches).
    const Outcome outcome = Design({"--box", "--units", "english"});
    ASSERT_EQ(outcome.status, kExitSuccess) << outcome.err;
    const std::vector<std::string> lines = OutputLines(outcome.out);
    ASSERT_EQ(lines.size(), 14u);
    EXPECT_EQ(lines[6], "Port Volume (in3): 546.508");
    EXPECT_EQ(lines[9].substr(0, 20), "Total Volume (in3): ");
    EXPECT_EQ(lines[10].substr(0, 12), "Length (in):");
    EXPECT_EQ(lines[13].substr(0, 17), "Rear Depth (in): ");
}

}  // namespace
}  // namespace resonara
