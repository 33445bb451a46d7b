#include <fstream>

#include "chart_image_size.h"
#include "reports.h"
#include "response_chart.h"
#include "svg_surface.h"

namespace resonara {

bool WriteChartSvg(const std::string& path, const DesignerRun& run) {
    SvgSurface surface(kChartImageWidth_px, kChartImageHeight_px);
    DrawResponseChart(surface, run.design);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << surface.Document();
    file.close();
    return !file.fail();
}

}  // namespace resonara
