#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "box_design.h"

namespace resonara {

// The six results in the order they are reported, with the unit label the
// window shows beside each.
struct ResultField {
    std::string_view name;
    float BoxDesign::*value;
    const std::string BoxDesign::*unitLabel;  // nullptr: the fixed " Hz" of a frequency
};

inline constexpr std::string_view kHertzLabel = " Hz";

inline constexpr std::array<ResultField, 6> kResultFields = {{
    {"Vf", &BoxDesign::Vf, &BoxDesign::VfLabel},
    {"Vr", &BoxDesign::Vr, &BoxDesign::VrLabel},
    {"Fb", &BoxDesign::Fb, nullptr},
    {"Fl", &BoxDesign::Fl, nullptr},
    {"Fh", &BoxDesign::Fh, nullptr},
    {"Lp", &BoxDesign::Lp, &BoxDesign::LpLabel},
}};

inline std::string_view UnitLabel(const BoxDesign& design, const ResultField& field) {
    return field.unitLabel ? std::string_view(design.*field.unitLabel) : kHertzLabel;
}

// The three curves in the order of the CSV columns and the JSON "curves" object.
struct CurveColumn {
    std::string_view name;
    ResponseCurve BoxDesign::*curve;
};

inline constexpr std::string_view kFrequencyColumn = "frequency_hz";

inline constexpr std::array<CurveColumn, 3> kCurveColumns = {{
    {"output_db", &BoxDesign::curveA},
    {"excursion_limit_db", &BoxDesign::curveB},
    {"thermal_limit_db", &BoxDesign::curveC},
}};

}  // namespace resonara
