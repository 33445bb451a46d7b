#pragma once

#include <cstddef>
#include <string_view>

namespace resonara {

// The twelve figures of the Box Calculator that carry a unit label.
enum class BoxFigure : std::size_t {
    Vf,
    Vr,
    PortVolume,
    AddlVf,
    AddlVr,
    TotalVf,
    TotalVr,
    TotalVolume,
    Length,
    Width,
    FrontDepth,
    RearDepth,
};
inline constexpr std::size_t kBoxFigureCount = 12;

// The label of a figure in the unit system in force, e.g. "Length (cm):" or "Length (in):".
std::string_view BoxFigureLabel(BoxFigure figure, bool english);

}  // namespace resonara
