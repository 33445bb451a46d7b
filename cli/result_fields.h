#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "box_calculator.h"
#include "box_calculator_labels.h"
#include "box_design.h"
#include "designer_run.h"

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

// The curves in the order of the CSV columns and the JSON "curves" object:
// the record's three, then the two worked out at the rated power.
struct CurveColumn {
    std::string_view name;
    const ResponseCurve& (*samples)(const DesignerRun& run);
};

inline constexpr std::string_view kFrequencyColumn = "frequency_hz";

inline constexpr std::array<CurveColumn, 5> kCurveColumns = {{
    {"output_db", [](const DesignerRun& run) -> const ResponseCurve& { return run.design.curveA; }},
    {"excursion_limit_db", [](const DesignerRun& run) -> const ResponseCurve& { return run.design.curveB; }},
    {"thermal_limit_db", [](const DesignerRun& run) -> const ResponseCurve& { return run.design.curveC; }},
    {"cone_excursion_mm", [](const DesignerRun& run) -> const ResponseCurve& { return run.ratedPower.coneExcursion_mm; }},
    {"port_velocity_m_s", [](const DesignerRun& run) -> const ResponseCurve& { return run.ratedPower.portVelocity_m_s; }},
}};

// The Box Calculator's figures on opening, in the order they are reported,
// each with its JSON key and the label the Box Calculator shows beside it.
struct BoxFigureField {
    std::string_view jsonKey;
    BoxFigure figure;
    float BoxCalculation::*value;
};

inline constexpr std::array<BoxFigureField, 8> kBoxFigureFields = {{
    {"port_volume", BoxFigure::PortVolume, &BoxCalculation::portVolume},
    {"total_vf", BoxFigure::TotalVf, &BoxCalculation::totalVf},
    {"total_vr", BoxFigure::TotalVr, &BoxCalculation::totalVr},
    {"total_volume", BoxFigure::TotalVolume, &BoxCalculation::totalVolume},
    {"length", BoxFigure::Length, &BoxCalculation::length},
    {"width", BoxFigure::Width, &BoxCalculation::width},
    {"front_depth", BoxFigure::FrontDepth, &BoxCalculation::frontDepth},
    {"rear_depth", BoxFigure::RearDepth, &BoxCalculation::rearDepth},
}};

}  // namespace resonara
