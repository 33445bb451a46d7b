#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "box_design.h"

namespace resonara {

// One option per input field of the record, in the order --help lists them.
struct InputOption {
    std::string_view name;     // "--qts"
    std::string_view jsonKey;  // "Qts"
    std::string_view help;     // unit and meaning for --help
    double BoxDesign::*field;
};

inline constexpr std::size_t kInputCount = 10;
extern const std::array<InputOption, kInputCount> kInputOptions;

// The alignment option S: its text and the record's flag that selects it.
struct SOption {
    std::string_view text;  // "0.7"
    int BoxDesign::*flag;
};

inline constexpr std::size_t kSOptionCount = 3;
extern const std::array<SOption, kSOptionCount> kSOptions;
inline constexpr std::size_t kDefaultSOption = 2;  // 0.7, as a fresh window starts

// The graph mode of a chart picture, as the window's two graph-mode commands choose it.
enum class ChartMode { Output, Power };

// What the command line asks for. An input not given is nothing here and
// takes the start-up value of the chosen unit system.
struct DesignerOptions {
    std::array<std::optional<double>, kInputCount> inputs{};  // in the order of kInputOptions
    std::size_t sOption = kDefaultSOption;                     // index into kSOptions
    UnitSystem units = UnitSystem::Metric;
    bool json = false;
    bool curves = false;
    std::optional<std::string> csvPath;
    // The Box Calculator's figures, with the additional volumes it adds to the
    // chambers (liters or in3, as the units in force); nothing given reads as 0.
    bool box = false;
    std::optional<float> addlVf;
    std::optional<float> addlVr;
    // Pictures of the chart as the window draws it after the run.
    std::optional<std::string> svgPath;
    std::optional<std::string> pngPath;
    std::optional<ChartMode> mode;  // nothing: the output mode, as a fresh window starts
    bool help = false;

    ChartMode Mode() const { return mode.value_or(ChartMode::Output); }
};

// The options, or the text of the first error (without the program's name).
struct ParsedOptions {
    DesignerOptions options;
    std::string error;  // empty on success
};

// Reads `--opt VALUE` and `--opt=VALUE` forms; --help ends the reading at once.
// Numbers are read as the window reads its fields.
ParsedOptions ParseOptions(const std::vector<std::string>& args);

}  // namespace resonara
