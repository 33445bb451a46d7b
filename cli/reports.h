#pragma once

#include <iosfwd>
#include <string>

#include "designer_run.h"
#include "options.h"

namespace resonara {

// The six results as the window shows them, one "Vf: 42.6771 liters" line
// each, then the Box Calculator's figures when asked for ("Length (cm): 47.4916"),
// then the text of every message the run showed.
void WritePlainReport(std::ostream& out, const DesignerRun& run);

// One JSON object: "inputs", "results", when asked for "box", then
// "port_warning", "messages" and, when asked for, "curves".
void WriteJsonReport(std::ostream& out, const DesignerOptions& options, const DesignerRun& run);

// The five curves as CSV, a header row and one row per sample.
// Returns false when the file cannot be written.
bool WriteCurvesCsv(const std::string& path, const DesignerRun& run);

// The chart of the run's graph mode as an SVG picture of the main window's
// client area. Returns false when the file cannot be written.
bool WriteChartSvg(const std::string& path, const DesignerRun& run);
// The same chart as a PNG image, painted as the window paints it.
bool WriteChartPngFile(const std::string& path, const DesignerRun& run);

}  // namespace resonara
