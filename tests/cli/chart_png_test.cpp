#include <gtest/gtest.h>

#include <QColor>
#include <QGuiApplication>
#include <QImage>
#include <QPalette>
#include <QString>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

#include "designer_fixture.h"
#include "designer_run.h"
#include "options.h"
#include "qt_surface.h"
#include "response_chart.h"

namespace resonara {
namespace {

using namespace test;

// The tests paint the window's image themselves, so they hold an application
// across the designer's run (which then uses it instead of making its own).
class ChartPng : public ::testing::Test {
protected:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        application_ = std::make_unique<QGuiApplication>(argc_, argv_);
    }

private:
    int argc_ = 1;
    char name_[16] = "chart_png_test";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> application_;
};

// The image of the window's client area as its paint handler makes it: the
// window colour, then the chart on the window's own surface.
QImage WindowPaint(const BoxDesign& design) {
    QImage image(768, 554, QImage::Format_RGB32);
    image.fill(QGuiApplication::palette().color(QPalette::Window));
    {
        QtSurface surface(image);
        DrawResponseChart(surface, design);
    }
    return image;
}

QImage PngOf(const std::vector<std::string>& args, const std::string& name) {
    const std::string path = TestFile(name);
    std::remove(path.c_str());
    std::vector<std::string> withFile = args;
    withFile.push_back("--png");
    withFile.push_back(path);
    const Outcome outcome = Design(withFile);
    EXPECT_EQ(outcome.status, kExitSuccess) << outcome.err;
    QImage image(QString::fromStdString(path));
    std::remove(path.c_str());
    return image.convertToFormat(QImage::Format_RGB32);
}

QColor Rgb(int r, int g, int b) { return QColor(r, g, b); }

TEST_F(ChartPng, PowerChartEqualsTheWindowsPaintPixelForPixel) {
    const QImage png = PngOf({"--mode", "power"}, "resonara_power.png");
    ASSERT_EQ(png.width(), 768);
    ASSERT_EQ(png.height(), 554);

    DesignerOptions options;
    options.mode = ChartMode::Power;
    EXPECT_TRUE(png == WindowPaint(RunDesign(options).design));

    // A few pixels the chart always has: plot background, grid column of 20 Hz,
    // the frame's outer column, the legend line two rows deep, and the window around it.
    EXPECT_EQ(png.pixelColor(100, 480), Rgb(150, 150, 255));
    EXPECT_EQ(png.pixelColor(170, 480), Rgb(220, 220, 220));
    EXPECT_EQ(png.pixelColor(69, 300), Rgb(0, 0, 0));
    EXPECT_EQ(png.pixelColor(560, 452), Rgb(220, 0, 0));
    EXPECT_EQ(png.pixelColor(560, 453), Rgb(220, 0, 0));
    EXPECT_EQ(png.pixelColor(560, 454), Rgb(150, 150, 255));
    EXPECT_EQ(png.pixelColor(5, 5), QGuiApplication::palette().color(QPalette::Window));
}

TEST_F(ChartPng, OutputChartEqualsTheWindowsPaintPixelForPixel) {
    const QImage png = PngOf({}, "resonara_output.png");
    EXPECT_TRUE(png == WindowPaint(RunDesign(DesignerOptions{}).design));
    // Curve A of the start-up design lies within 0.002 dB of 0 dB from 48 to 51 Hz, so
    // on row 366 (1 - trunc(24.99 * 5 - 490)); its 2-pixel pen covers row 367 too.
    EXPECT_EQ(png.pixelColor(304, 366), Rgb(220, 0, 0));
    EXPECT_EQ(png.pixelColor(304, 367), Rgb(220, 0, 0));
    EXPECT_EQ(png.pixelColor(304, 368), Rgb(220, 220, 220));  // the 50 Hz grid line below it
}

// Without an application of its own, the designer makes one for the call.
TEST(ChartPngOnItsOwn, WritesAWindowSizedPngWithoutADisplay) {
    const std::string path = TestFile("chart.png");
    const Outcome outcome = Design({"--png", path});
    ASSERT_EQ(outcome.status, kExitSuccess) << outcome.err;
    std::ifstream file(path, std::ios::binary);
    std::string header(24, '\0');
    file.read(header.data(), static_cast<std::streamsize>(header.size()));
    std::remove(path.c_str());
    EXPECT_EQ(header.substr(0, 8), "\x89PNG\r\n\x1a\n");
    // The IHDR chunk: width and height as big-endian 32-bit numbers.
    EXPECT_EQ(header.substr(16, 8), std::string("\0\0\x03\x00\0\0\x02\x2a", 8));  // 768, 554
    EXPECT_EQ(QCoreApplication::instance(), nullptr);
}

TEST(ChartPngOnItsOwn, UnwritablePngFailsWithStatusTwo) {
    const std::string path = testing::TempDir() + "no_such_directory/chart.png";
    const Outcome outcome = Design({"--png", path});
    EXPECT_EQ(outcome.status, kExitFailure);
    EXPECT_EQ(outcome.err, "resonara-cli: --png: cannot write \"" + path + "\"\n");
}

}  // namespace
}  // namespace resonara
