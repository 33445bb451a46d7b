#pragma once

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "designer.h"

namespace resonara::test {

// A path in the temporary directory that names the running test, so that
// tests run side by side (ctest -j) never share a file.
inline std::string TestFile(const std::string& name) {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    return ::testing::TempDir() + test->test_suite_name() + "." + test->name() + "." + name;
}

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

inline Outcome Design(const std::vector<std::string>& args) {
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
inline std::string JsonValue(const std::string& json, const std::string& key) {
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
inline std::string Shown6(const std::string& json, const std::string& key) {
    const std::string text = JsonValue(json, key);
    char shown[32];
    std::snprintf(shown, sizeof shown, "%.6g", static_cast<double>(std::strtof(text.c_str(), nullptr)));
    return shown;
}

inline std::vector<std::string> Lines(const std::string& path) {
    std::ifstream file(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);) {
        lines.push_back(line);
    }
    return lines;
}

// Elements of the JSON array that follows "key":[ ; the curves hold only numbers and short words.
inline std::vector<std::string> JsonArray(const std::string& json, const std::string& key) {
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

}  // namespace resonara::test
