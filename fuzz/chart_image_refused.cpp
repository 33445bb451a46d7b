#include "chart_image.h"

namespace resonara {

bool WriteChartPng(const BoxDesign&, const std::string&) { return false; }

}  // namespace resonara
