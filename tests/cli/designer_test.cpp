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

#include "messages.h"

namespace resonara {
namespace {

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

Outcome Design(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    Outcome outcome;
    outcome.status = RunDesigner(args, out, err);
    outcome.out = out.str();
    outcome.err = err.str();
    return outcome;
}

// The text of the value that follows "key": in a JSON text (the keys the
// tests look up occur once).
std::string JsonValue(const std::string& json, const std::string& key) {
    const std::string marker = "\"" + key + "\":";
    const std::size_t start = json.find(marker);
    if (start == std::string::npos) {
        return "<no " + key + ">";
    }
    const std::size_t first = start + marker.size();
    const std::size_t end = json.find_first_of(",}]", first);
    return json.substr(first, end - first);
}

// A float result of the JSON report as the window shows it.
std::string Shown6(const std::string& json, const std::string& key) {
    const std::string text = JsonValue(json, key);
    char shown[32];
    std::snprintf(shown, sizeof shown, "%.6g", static_cast<double>(std::strtof(text.c_str(), nullptr)));
    return shown;
}

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
                               "--gain", "--s ", "--units", "--json", "--curves", "--csv", "--help"}) {
        EXPECT_NE(outcome.out.find(option), std::string::npos) << option;
    }
    EXPECT_NE(outcome.out.find("Exit status"), std::string::npos);
    EXPECT_NE(outcome.out.find("  2 "), std::string::npos);
    EXPECT_NE(outcome.out.find("cannot be written"), std::string::npos);
    EXPECT_EQ(Design({"-h"}).out, outcome.out);
}

std::vector<std::string> Lines(const std::string& path) {
    std::ifstream file(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);) {
        lines.push_back(line);
    }
    return lines;
}

TEST(DesignerTest, CsvHoldsAHeaderAndOneRowPerFrequency) {
    const std::string path = testing::TempDir() + "resonara_curves.csv";
    std::remove(path.c_str());
    const Outcome outcome = Design({"--csv", path});
    ASSERT_EQ(outcome.status, kExitSuccess) << outcome.err;
    EXPECT_NE(outcome.out.find("Vf: 42.6771 liters"), std::string::npos);

    const std::vector<std::string> lines = Lines(path);
    ASSERT_EQ(lines.size(), 991u);
    EXPECT_EQ(lines[0], "frequency_hz,output_db,excursion_limit_db,thermal_limit_db");
    EXPECT_EQ(lines[1].substr(0, 3), "10,");
    EXPECT_EQ(lines[990].substr(0, 4), "999,");
    for (const std::string& line : lines) {
        EXPECT_EQ(std::count(line.begin(), line.end(), ','), 3) << line;
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

// Elements of the JSON array that follows "key":[ ; the curves hold only numbers and short words.
std::vector<std::string> JsonArray(const std::string& json, const std::string& key) {
    const std::string marker = "\"" + key + "\":[";
    const std::size_t first = json.find(marker) + marker.size();
    const std::size_t end = json.find(']', first);
    std::vector<std::string> elements;
    std::stringstream list(json.substr(first, end - first));
    for (std::string element; std::getline(list, element, ',');) {
        elements.push_back(element);
    }
    return elements;
}

TEST(DesignerTest, CurvesAddFourArraysOf990Samples) {
    const Outcome outcome = Design({"--json", "--curves"});
    ASSERT_EQ(outcome.status, kExitSuccess);
    for (const char* key : {"frequency_hz", "output_db", "excursion_limit_db", "thermal_limit_db"}) {
        EXPECT_EQ(JsonArray(outcome.out, key).size(), 990u) << key;
    }
    const std::vector<std::string> frequencies = JsonArray(outcome.out, "frequency_hz");
    EXPECT_EQ(frequencies.front(), "10");
    EXPECT_EQ(frequencies.back(), "999");
    EXPECT_EQ(Design({"--json"}).out.find("curves"), std::string::npos);
}

TEST(DesignerTest, CsvAndJsonCarryTheSameCurveValues) {
    const std::string path = testing::TempDir() + "resonara_same_curves.csv";
    const Outcome outcome = Design({"--json", "--curves", "--csv", path});
    ASSERT_EQ(outcome.status, kExitSuccess);
    const std::vector<std::string> lines = Lines(path);
    const std::vector<std::string> output = JsonArray(outcome.out, "output_db");
    const std::vector<std::string> thermal = JsonArray(outcome.out, "thermal_limit_db");
    ASSERT_EQ(lines.size(), 991u);
    ASSERT_EQ(output.size(), 990u);
    // The sample at Fb, 50 Hz, in the middle of the passband.
    EXPECT_EQ(lines[41], "50," + output[40] + "," + JsonArray(outcome.out, "excursion_limit_db")[40] + "," +
                             thermal[40]);
    std::remove(path.c_str());
}

}  // namespace
}  // namespace resonara
