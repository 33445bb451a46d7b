#include "chart_image.h"
#include "reports.h"

namespace resonara {

bool WriteChartPngFile(const std::string& path, const DesignerRun& run) { return WriteChartPng(run.design, path); }

}  // namespace resonara
