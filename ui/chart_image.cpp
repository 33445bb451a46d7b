#include "chart_image.h"

#include <QGuiApplication>
#include <QImage>
#include <QPalette>
#include <QString>

#include "chart_image_size.h"
#include "qt_surface.h"
#include "qt_text.h"
#include "response_chart.h"

namespace resonara {
namespace {

constexpr const char* kHeadlessPlatform = "offscreen";

// Fonts and images need an application object. One made here lives until the
// process ends: Qt keeps a reference to its argument count.
void EnsureApplication() {
    if (QCoreApplication::instance() != nullptr) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", kHeadlessPlatform);
    static int argc = 1;
    static char name[] = "resonara-chart";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* application = new QGuiApplication(argc, argv);
    (void)application;
}

QImage ChartImage(const BoxDesign& design) {
    QImage image(kChartImageWidth_px, kChartImageHeight_px, QImage::Format_RGB32);
    // What the window's erase leaves around the chart, which paints only its own elements.
    image.fill(QGuiApplication::palette().color(QPalette::Window));
    {
        // The surface paints its last held-back fill when it ends.
        QtSurface surface(image);
        DrawResponseChart(surface, design);
    }
    return image;
}

}  // namespace

bool WriteChartPng(const BoxDesign& design, const std::string& path) {
    EnsureApplication();
    return ChartImage(design).save(ToQString(path), "PNG");
}

}  // namespace resonara
