#include "designer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "designer_fixture.h"
#include "messages.h"

namespace resonara {
namespace {

using namespace test;

TEST(DesignerTest, StartupValuesGiveTheWorkedExampleResults) {
    const Outcome outcome = Design({"--json"});
    ASSERT_EQ(outcome.status, kExitSuccess) << outcome.err;
    EXPECT_EQ(outcome.err, "");
    EXPECT_EQ(Shown6(outcome.out, "Vf"), "42.6771");
    EXPECT_EQ(Shown6(outcome.out, "Vr"), "55.3708");
    EXPECT_EQ(Shown6(outcome.out, "Fb"), "50.1253");
    EXPECT_EQ(Shown6(outcome.out, "Fl"), "30.857");
    EXPECT_EQ(Shown6(outcome.out, "Fh"), "81.4254");
    EXPECT_EQ(Shown6(outcome.out, "Lp"), "44.5419");
    EXPECT_EQ(JsonValue(outcome.out, "port_warning"), "false");
    EXPECT_NE(outcome.out.find("\"messages\":[]"), std::string::npos);
    EXPECT_EQ(JsonValue(outcome.out, "s"), "0.7");
    EXPECT_EQ(JsonValue(outcome.out, "units"), "\"metric\"");
    EXPECT_EQ(outcome.out.back(), '\n');
}

TEST(DesignerTest, PlainOutputShowsResultsAsTheWindowDoes) {
    const Outcome outcome = Design({});
    EXPECT_EQ(outcome.status, kExitSuccess);
    EXPECT_EQ(outcome.err, "");
    EXPECT_EQ(outcome.out,
              "Vf: 42.6771 liters\n"
              "Vr: 55.3708 liters\n"
              "Fb: 50.1253 Hz\n"
              "Fl: 30.857 Hz\n"
              "Fh: 81.4254 Hz\n"
              "Lp: 44.5419 cm\n");
}

TEST(DesignerTest, ResultsReadBackAsTheFloatsTheRunStored) {
    // %.9g of a float names it exactly: Fb = Qbp * Fs / Qts with Qbp = 1 / 1.4.
    const Outcome outcome = Design({"--json"});
    const float fb = std::strtof(JsonValue(outcome.out, "Fb").c_str(), nullptr);
    EXPECT_EQ(fb, static_cast<float>(1.0 / (2 * 0.7 * 1.0) * 24 / 0.342));
}

struct OptionCase {
    const char* name;
    std::vector<std::string> args;
    std::vector<std::pair<std::string, std::string>> shown;  // result -> %.6g text
};

TEST(DesignerTest, OptionsReachTheRecordInBothForms) {
    const std::vector<OptionCase> cases = {
        {"S 0.5 gives Qbp 1", {"--s", "0.5"}, {{"Fb", "70.1754"}, {"Fl", "38.5473"}, {"Vf", "21.774"}, {"Vr", "24.6581"}}},
        {"S 0.6", {"--s=0.6"}, {{"Fb", "58.4795"}, {"Fh", "100.961"}, {"Vf", "31.3546"}, {"Vr", "37.7052"}}},
        {"Gain 3 dB", {"--gain", "3"}, {{"Fl", "39.4333"}, {"Fh", "90.0017"}, {"Fb", "59.574"}, {"Vr", "36.0665"}}},
        {"driver given again as typed",
         {"--qts", "0.342", "--qes=0.353", "--fs", " 24 ", "--vas=186.16", "--pmax", "500", "--diameter", "30.38",
          "--xmax", "6", "--dp", "16", "--ports", "1", "--gain", "0"},
         {{"Vf", "42.6771"}, {"Lp", "44.5419"}}},
    };
    for (const OptionCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> args = c.args;
        args.push_back("--json");
        const Outcome outcome = Design(args);
        ASSERT_EQ(outcome.status, kExitSuccess) << outcome.err;
        for (const auto& [result, shown] : c.shown) {
            EXPECT_EQ(Shown6(outcome.out, result), shown) << result;
        }
    }
}

TEST(DesignerTest, TwoPortsGiveTheLongerPort) {
    const Outcome outcome = Design({"--ports=2", "--json"});
    ASSERT_EQ(outcome.status, kExitSuccess);
    EXPECT_NEAR(std::strtod(JsonValue(outcome.out, "Lp").c_str(), nullptr), 100.80, 0.01);
}

TEST(DesignerTest, EnglishUnitsComputeInMetricAndShowEnglish) {
    const Outcome outcome = Design({"--units", "english"});
    EXPECT_EQ(outcome.status, kExitSuccess);
    EXPECT_EQ(outcome.out,
              "Vf: 2604.31 in3\n"
              "Vr: 3378.93 in3\n"
              "Fb: 50.1253 Hz\n"
              "Fl: 30.857 Hz\n"
              "Fh: 81.4254 Hz\n"
              "Lp: 17.5362 in\n");
}

TEST(DesignerTest, EnglishDefaultsAreTheStartupValuesAsTheWindowShowsThem) {
    const Outcome outcome = Design({"--units=english", "--json"});
    ASSERT_EQ(outcome.status, kExitSuccess);
    EXPECT_EQ(std::strtod(JsonValue(outcome.out, "Vas").c_str(), nullptr), 6.574178352872);
    EXPECT_EQ(std::strtod(JsonValue(outcome.out, "Diameter").c_str(), nullptr), 11.960629921212);
    EXPECT_EQ(std::strtod(JsonValue(outcome.out, "Xmax").c_str(), nullptr), 0.236220472440945);
    EXPECT_EQ(std::strtod(JsonValue(outcome.out, "Dp").c_str(), nullptr), 6.2992125984);
    EXPECT_EQ(std::strtod(JsonValue(outcome.out, "Qts").c_str(), nullptr), 0.342);
    EXPECT_EQ(JsonValue(outcome.out, "units"), "\"english\"");

    // The same values typed give the same report.
    const Outcome typed = Design({"--units", "english", "--vas", "6.574178352872", "--diameter", "11.960629921212",
                               "--xmax", "0.236220472440945", "--dp", "6.2992125984", "--json"});
    EXPECT_EQ(typed.out, outcome.out);
}

TEST(DesignerTest, NarrowPortWarnsAndStillSucceeds) {
    const Outcome plain = Design({"--dp", "15.9"});
    EXPECT_EQ(plain.status, kExitSuccess);
    EXPECT_EQ(plain.err, "");
    EXPECT_NE(plain.out.find("Lp: "), std::string::npos);
    EXPECT_NE(plain.out.find(std::string(kPortWarningMessage) + "\n"), std::string::npos);

    const Outcome json = Design({"--dp=15.9", "--json"});
    EXPECT_EQ(json.status, kExitSuccess);
    EXPECT_EQ(JsonValue(json.out, "port_warning"), "true");
    EXPECT_NE(json.out.find("\"messages\":[\"Port diameter too small. Try using a larger diameter.\\n"
                            "Note: The diameter can be used but port noise might be produced.\\n"
                            "Calculation will continue.\"]"),
              std::string::npos);
}

TEST(DesignerTest, InfiniteResultIsWrittenAsText) {
    // S 0.5 and Gain 0 make Qbp exactly 1, so Qts 1 zeroes the divisor of Vr.
    const Outcome json = Design({"--s", "0.5", "--qts", "1", "--json"});
    ASSERT_EQ(json.status, kExitSuccess);
    EXPECT_EQ(JsonValue(json.out, "Vr"), "\"inf\"");
    const Outcome plain = Design({"--s", "0.5", "--qts", "1"});
    EXPECT_NE(plain.out.find("Vr: inf liters\n"), std::string::npos);
}

struct ErrorCase {
    const char* name;
    std::vector<std::string> args;
    std::string err;
};

TEST(DesignerTest, ErrorsGoToStandardErrorWithStatusTwo) {
    const std::string tryHelp = "Try 'resonara-cli --help'.\n";
    const std::vector<ErrorCase> cases = {
        {"Qts zero stops the run", {"--qts", "0"}, "Calculation Stopped: Qts can't equal 0\n"},
        {"Qts and Qes zero: Qts first", {"--qes=0", "--qts=0"}, "Calculation Stopped: Qts can't equal 0\n"},
        {"Diameter zero", {"--diameter", "0"}, "Calculation Stopped: Speaker Diameter can't equal 0\n"},
        {"Xmax zero, the last test", {"--xmax", "0.0", "--json"}, "Calculation Stopped: Xmax can't equal 0\n"},
        {"Vas zero in English", {"--units", "english", "--vas", "0"}, "Calculation Stopped: Vas can't equal 0\n"},
        {"letters", {"--fs", "abc"}, "resonara-cli: --fs: \"abc\" is not a number\n" + tryHelp},
        {"minus zero is no number", {"--fs=-0"}, "resonara-cli: --fs: \"-0\" is not a number\n" + tryHelp},
        {"empty value", {"--gain="}, "resonara-cli: --gain: \"\" is not a number\n" + tryHelp},
        {"hexadecimal", {"--pmax", "0x10"}, "resonara-cli: --pmax: \"0x10\" is not a number\n" + tryHelp},
        {"missing value", {"--json", "--fs"}, "resonara-cli: --fs needs a value\n" + tryHelp},
        {"unknown option", {"--bogus", "1"}, "resonara-cli: unknown option \"--bogus\"\n" + tryHelp},
        {"stray argument", {"24"}, "resonara-cli: unexpected argument \"24\"\n" + tryHelp},
        {"S not in the table", {"--s", "0.8"}, "resonara-cli: --s: \"0.8\" is not one of 0.5, 0.6, 0.7\n" + tryHelp},
        {"unknown unit system", {"--units=si"}, "resonara-cli: --units: \"si\" is not metric or english\n" + tryHelp},
        {"flag with a value", {"--json=1"}, "resonara-cli: --json takes no value\n" + tryHelp},
        {"curves without JSON", {"--curves"}, "resonara-cli: --curves needs --json\n" + tryHelp},
        {"additional Vf without box", {"--addl-vf", "2"}, "resonara-cli: --addl-vf needs --box\n" + tryHelp},
        {"additional Vr without box", {"--addl-vr=2", "--json"}, "resonara-cli: --addl-vr needs --box\n" + tryHelp},
        {"additional volume as the window reads it", {"--box", "--addl-vr", "-0"},
         "resonara-cli: --addl-vr: \"-0\" is not a number\n" + tryHelp},
        {"mode without a picture", {"--mode", "power"}, "resonara-cli: --mode needs --svg or --png\n" + tryHelp},
        {"unknown mode", {"--svg", "x.svg", "--mode=both"}, "resonara-cli: --mode: \"both\" is not output or power\n" + tryHelp},
        {"box takes no value", {"--box=1"}, "resonara-cli: --box takes no value\n" + tryHelp},
    };
    for (const ErrorCase& c : cases) {
        SCOPED_TRACE(c.name);
        const Outcome outcome = Design(c.args);
        EXPECT_EQ(outcome.status, kExitFailure);
        EXPECT_EQ(outcome.out, "");
        EXPECT_EQ(outcome.err, c.err);
    }
}

TEST(DesignerTest, HelpNamesEveryOptionAndTheExitStatuses) {
    const Outcome outcome = Design({"--fs", "24", "--help", "--bogus"});
    EXPECT_EQ(outcome.status, kExitSuccess);
    EXPECT_EQ(outcome.err, "");
    for (const char* option : {"--qts", "--qes", "--fs", "--vas", "--pmax", "--diameter", "--xmax", "--dp", "--ports",
                               "--gain", "--s ", "--units", "--json", "--curves", "--csv", "--box", "--addl-vf",
                               "--addl-vr", "--svg", "--png", "--mode", "--help"}) {
        EXPECT_NE(outcome.out.find(option), std::string::npos) << option;
    }
    EXPECT_NE(outcome.out.find("Exit status"), std::string::npos);
    EXPECT_NE(outcome.out.find("  2 "), std::string::npos);
    EXPECT_NE(outcome.out.find("cannot be written"), std::string::npos);
    EXPECT_EQ(Design({"-h"}).out, outcome.out);
}

TEST(DesignerTest, CsvHoldsAHeaderAndOneRowPerFrequency) {
    const std::string path = TestFile("resonara_curves.csv");
    std::remove(path.c_str());
    const Outcome outcome = Design({"--csv", path});
    ASSERT_EQ(outcome.status, kExitSuccess) << outcome.err;
    EXPECT_NE(outcome.out.find("Vf: 42.6771 liters"), std::string::npos);

    const std::vector<std::string> lines = Lines(path);
    ASSERT_EQ(lines.size(), 991u);
    EXPECT_EQ(lines[0],
              "frequency_hz,output_db,excursion_limit_db,thermal_limit_db,cone_excursion_mm,port_velocity_m_s");
    EXPECT_EQ(lines[1].substr(0, 3), "10,");
    EXPECT_EQ(lines[990].substr(0, 4), "999,");
    for (const std::string& line : lines) {
        EXPECT_EQ(std::count(line.begin(), line.end(), ','), 5) << line;
    }
    std::remove(path.c_str());
}

TEST(DesignerTest, UnwritableCsvFailsWithStatusTwo) {
    const std::string path = testing::TempDir() + "no_such_directory/curves.csv";
    const Outcome outcome = Design({"--csv=" + path});
    EXPECT_EQ(outcome.status, kExitFailure);
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(outcome.err, "resonara-cli: --csv: cannot write \"" + path + "\"\n");
}

TEST(DesignerTest, CurvesAddSixArraysOf990Samples) {
    const Outcome outcome = Design({"--json", "--curves"});
    ASSERT_EQ(outcome.status, kExitSuccess);
    for (const char* key : {"frequency_hz", "output_db", "excursion_limit_db", "thermal_limit_db", "cone_excursion_mm",
                            "port_velocity_m_s"}) {
        EXPECT_EQ(JsonArray(outcome.out, key).size(), 990u) << key;
    }
    const std::vector<std::string> frequencies = JsonArray(outcome.out, "frequency_hz");
    EXPECT_EQ(frequencies.front(), "10");
    EXPECT_EQ(frequencies.back(), "999");
    EXPECT_EQ(Design({"--json"}).out.find("curves"), std::string::npos);
}

TEST(DesignerTest, CsvAndJsonCarryTheSameCurveValues) {
    const std::string path = TestFile("resonara_same_curves.csv");
    const Outcome outcome = Design({"--json", "--curves", "--csv", path});
    ASSERT_EQ(outcome.status, kExitSuccess);
    const std::vector<std::string> lines = Lines(path);
    const std::vector<std::string> output = JsonArray(outcome.out, "output_db");
    const std::vector<std::string> thermal = JsonArray(outcome.out, "thermal_limit_db");
    const std::vector<std::string> excursion = JsonArray(outcome.out, "cone_excursion_mm");
    const std::vector<std::string> velocity = JsonArray(outcome.out, "port_velocity_m_s");
    ASSERT_EQ(lines.size(), 991u);
    ASSERT_EQ(output.size(), 990u);
    // The sample at Fb, 50 Hz, in the middle of the passband.
    EXPECT_EQ(lines[41], "50," + output[40] + "," + JsonArray(outcome.out, "excursion_limit_db")[40] + "," +
                             thermal[40] + "," + excursion[40] + "," + velocity[40]);
    std::remove(path.c_str());
}

TEST(DesignerTest, CurvesCarryConeExcursionAndPortVelocityAtPmax) {
    // Worked by hand at 50 Hz for the start-up design: Pd / eta0 = 72.07921 W, x = 50 / 50.12531,
    // |D|^2 / port branch = 48.709, Px = 3510.913 W, excursion 6 * sqrt(500 / 3510.913) mm;
    // the port carries 7.01324 times the cone's 2 pi 50 * 2.264260e-3 * 0.07248782 m^3/s
    // over pi 0.08^2 m^2.
    const Outcome outcome = Design({"--json", "--curves"});
    ASSERT_EQ(outcome.status, kExitSuccess);
    EXPECT_NEAR(std::strtod(JsonArray(outcome.out, "cone_excursion_mm")[40].c_str(), nullptr), 2.264260, 1e-6);
    EXPECT_NEAR(std::strtod(JsonArray(outcome.out, "port_velocity_m_s")[40].c_str(), nullptr), 17.98581, 1e-5);
}

TEST(DesignerTest, PortVelocityWithoutPortsIsWrittenAsInf) {
    const Outcome outcome = Design({"--ports", "0", "--json", "--curves"});
    ASSERT_EQ(outcome.status, kExitSuccess) << outcome.err;
    const std::vector<std::string> velocity = JsonArray(outcome.out, "port_velocity_m_s");
    ASSERT_EQ(velocity.size(), 990u);
    EXPECT_TRUE(std::all_of(velocity.begin(), velocity.end(), [](const std::string& v) { return v == "\"inf\""; }));
}

}  // namespace
}  // namespace resonara
