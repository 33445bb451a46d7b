#include "box_calculator_labels.h"

namespace resonara {
namespace {

struct LabelPair {
    std::string_view metric;
    std::string_view english;
};

// In the order of BoxFigure.
constexpr LabelPair kLabels[kBoxFigureCount] = {
    {"Vf (liter):", "Vf (in3):"},
    {"Vr (liter):", "Vr (in3):"},
    {"Port Volume (liter):", "Port Volume (in3):"},
    {"Addl. Vf (liter):", "Addl. Vf (in3):"},
    {"Addl. Vr (liter):", "Addl. Vr (in3):"},
    {"Total Vf (liter):", "Total Vf (in3):"},
    {"Total Vr (liter):", "Total Vr (in3):"},
    {"Total Volume (liter):", "Total Volume (in3):"},
    {"Length (cm):", "Length (in):"},
    {"Width (cm):", "Width (in):"},
    {"Front Depth (cm):", "Front Depth (in):"},
    {"Rear Depth (cm):", "Rear Depth (in):"},
};

}  // namespace

std::string_view BoxFigureLabel(BoxFigure figure, bool english) {
    const LabelPair& pair = kLabels[static_cast<std::size_t>(figure)];
    return english ? pair.english : pair.metric;
}

}  // namespace resonara
