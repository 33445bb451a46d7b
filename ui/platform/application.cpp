#include "application.h"

#include <QApplication>
#include <QFont>
#include <QStyleFactory>
#include <clocale>
#include <filesystem>

#include "first_paint_probe.h"
#include "startup_messages.h"

namespace resonara {
namespace {

constexpr const char* kDialogFontFamily = "DejaVu Sans";
// DejaVu runs wider than the dialog base of 6 x 13 assumes; at 10 pixels the
// longest label, check box and button texts still fit their controls.
constexpr int kDialogFontSize_px = 10;
constexpr const char* kStyleName = "Fusion";

CWinApp* theApp = nullptr;

}  // namespace

CWinApp::CWinApp() { theApp = this; }

CWinApp::~CWinApp() {
    if (theApp == this) theApp = nullptr;
}

int CWinApp::Run(int argc, char** argv) {
    appName_ = ProgramNameFromPath(argc > 0 ? argv[0] : "");
    StartupMessages startup(appName_);
    QApplication app(argc, argv);
    startup.Release();
    // QApplication takes the user's locale; the number texts never depend on
    // it, but any C library formatting left in a dependency should not either.
    std::setlocale(LC_NUMERIC, "C");
    ConfigureApplication(app);
    if (InitInstance()) QApplication::exec();
    return 0;
}

CWinApp* AfxGetApp() { return theApp; }

std::string ApplicationName() {
    if (theApp != nullptr && !theApp->AppName().empty()) return theApp->AppName();
    if (QCoreApplication::instance() == nullptr) return {};
    return ProgramNameFromPath(QCoreApplication::applicationFilePath().toStdString());
}

std::string ProgramNameFromPath(std::string_view path) { return std::filesystem::path(path).stem().string(); }

void ConfigureApplication(QApplication& app) {
    if (QStyle* style = QStyleFactory::create(kStyleName)) app.setStyle(style);
    app.setFont(DialogFont());
    app.setQuitOnLastWindowClosed(false);
    WatchForFirstPaintIfAsked(app);
}

QFont DialogFont() {
    QFont font(kDialogFontFamily);
    font.setPixelSize(kDialogFontSize_px);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

}  // namespace resonara
