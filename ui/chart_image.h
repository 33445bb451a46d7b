#pragma once

#include <string>

#include "box_design.h"

namespace resonara {

// Writes the response chart of `design` to `path` as a PNG picture of the main
// window's client area, 768 x 554 pixels: the window's background colour with
// the chart painted by the window's own surface, pixel for pixel what the
// window shows for the same record. Runs without a display: when the process
// has no Qt application, one is made for the call on the offscreen platform
// (unless QT_QPA_PLATFORM names another) and ended before it returns.
// Returns false when the file cannot be written.
bool WriteChartPng(const BoxDesign& design, const std::string& path);

}  // namespace resonara
