#pragma once

#include <array>
#include <optional>

#include "box_design.h"
#include "surface.h"

namespace resonara {

// Columns and rows of the points of one curve; index i belongs to CurveFrequency_Hz(i).
using CurveColumns = std::array<int, kCurveSamples>;
using CurveRows = std::array<std::optional<int>, kCurveSamples>;

// The frequency-to-x mapping of every sample; shared by the curves of one mode.
CurveColumns MapCurveColumns();

// Each sample through a value-to-y mapping of chart_scale.h.
CurveRows MapCurveRows(const ResponseCurve& curve, std::optional<int> (*levelToY)(double));

// With the selected pen, the segment from each point to the next when both
// lie inside the plot; a segment with one end outside is left out whole, so
// a curve that leaves the scale shows a gap.
void DrawCurve(Surface& surface, const CurveColumns& x, const CurveRows& y);

}  // namespace resonara
