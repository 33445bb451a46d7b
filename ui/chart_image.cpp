#include "chart_image.h"

#include <QGuiApplication>
#include <QImage>
#include <QPalette>
#include <QString>
#include <memory>

#include "chart_image_size.h"
#include "qt_surface.h"
#include "qt_text.h"
#include "response_chart.h"

namespace resonara {
namespace {

constexpr const char* kPlatformVariable = "QT_QPA_PLATFORM";
constexpr const char* kHeadlessPlatform = "offscreen";

// Fonts and images need an application object. When the process has none, one
// is made for the call on the offscreen platform (unless the environment names
// another) and ended with it, environment and all.
class CallApplication {
public:
    CallApplication() {
        if (QCoreApplication::instance() != nullptr) return;
        setPlatform_ = qEnvironmentVariableIsEmpty(kPlatformVariable);
        if (setPlatform_) qputenv(kPlatformVariable, kHeadlessPlatform);
        application_ = std::make_unique<QGuiApplication>(argc_, argv_);
    }
    ~CallApplication() {
        application_.reset();
        if (setPlatform_) qunsetenv(kPlatformVariable);
    }
    CallApplication(const CallApplication&) = delete;
    CallApplication& operator=(const CallApplication&) = delete;

private:
    // Qt keeps a reference to the argument count for the application's life.
    int argc_ = 1;
    char name_[16] = "resonara-chart";
    char* argv_[2] = {name_, nullptr};
    bool setPlatform_ = false;
    std::unique_ptr<QGuiApplication> application_;
};

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
    const CallApplication application;
    return ChartImage(design).save(ToQString(path), "PNG");
}

}  // namespace resonara
