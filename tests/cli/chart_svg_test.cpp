#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "designer_fixture.h"

namespace resonara {
namespace {

using namespace test;

std::string ReadAll(const std::string& path) {
    std::ifstream file(path);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::size_t Count(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

// The chart file of a run, or nothing when none was written.
std::string ChartOf(const std::vector<std::string>& args) {
    const std::string path = TestFile("resonara_chart.svg");
    std::remove(path.c_str());
    std::vector<std::string> withFile = args;
    withFile.push_back("--svg=" + path);
    const Outcome outcome = Design(withFile);
    EXPECT_EQ(outcome.err, "");
    const std::string svg = ReadAll(path);
    std::remove(path.c_str());
    return svg;
}

constexpr const char* kRedCurve = "stroke=\"#dc0000\" stroke-width=\"2\"";
constexpr const char* kGreenCurve = "stroke=\"#64fa28\" stroke-width=\"2\"";

TEST(ChartSvg, OutputModeIsTheDefaultAndDrawsCurveA) {
    const std::string svg = ChartOf({});
    ASSERT_EQ(svg.rfind("<?xml", 0), 0u);
    EXPECT_NE(svg.find("width=\"768\" height=\"554\""), std::string::npos);
    EXPECT_NE(svg.find(">Frequency Response: Output vs. Frequency</text>"), std::string::npos);
    EXPECT_EQ(svg.find("Thermal Limit"), std::string::npos);
    EXPECT_EQ(Count(svg, "stroke=\"#9696ff\""), 671u);
    // Curve A of the start-up design leaves the -25 dB scale at both ends, so only part of
    // its 989 segments is drawn; none is green.
    const std::size_t red = Count(svg, kRedCurve);
    EXPECT_GT(red, 100u);
    EXPECT_LT(red, 989u);
    EXPECT_EQ(Count(svg, kGreenCurve), 0u);
    EXPECT_EQ(ChartOf({"--mode", "output"}), svg);
}

TEST(ChartSvg, PowerModeDrawsCurvesBAndCWithTheLegend) {
    // Both power curves of the start-up design stay between 0 and 149.4 over the whole
    // range (curve B 81.4..125.9, curve C 65.5..117.5), so every segment is drawn.
    const std::string svg = ChartOf({"--mode=power"});
    EXPECT_NE(svg.find(">Power Response: Power vs. Frequency</text>"), std::string::npos);
    EXPECT_NE(svg.find(">Thermal Limit</text>"), std::string::npos);
    EXPECT_EQ(Count(svg, kGreenCurve), 989u);
    EXPECT_EQ(Count(svg, kRedCurve), 989u + 1);  // and the legend line
}

TEST(ChartSvg, StoppedRunWritesNoPicture) {
    const std::string path = TestFile("resonara_stopped.svg");
    std::remove(path.c_str());
    const Outcome outcome = Design({"--qts", "0", "--svg", path});
    EXPECT_EQ(outcome.status, kExitFailure);
    EXPECT_EQ(outcome.err, "Calculation Stopped: Qts can't equal 0\n");
    EXPECT_FALSE(std::ifstream(path).good());
}

TEST(ChartSvg, UnwritablePictureFailsWithStatusTwo) {
    const std::string path = testing::TempDir() + "no_such_directory/chart.svg";
    const Outcome outcome = Design({"--svg", path, "--mode", "power"});
    EXPECT_EQ(outcome.status, kExitFailure);
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(outcome.err, "resonara-cli: --svg: cannot write \"" + path + "\"\n");
}

}  // namespace
}  // namespace resonara
