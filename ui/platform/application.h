#pragma once

#include <string>
#include <string_view>

class QApplication;
class QFont;

namespace resonara {

// The application object. A program has exactly one, usually a static object
// of a class derived from it, and main() does no more than
//     return theApp.Run(argc, argv);
class CWinApp {
public:
    // REQUIRES: no other CWinApp exists.
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Starts the desktop session and calls InitInstance(). If the display
    // cannot be opened, prints one line to stderr and exits the process with
    // status 1. Returns the exit status, 0, once InitInstance() returns false;
    // if it returns true, once the event loop ends (QCoreApplication::quit(),
    // since closing a window does not end it).
    // REQUIRES: argv outlives the call; called once, from the main thread.
    int Run(int argc, char** argv);

    // The program file's name without path and extension, e.g. "resonara".
    // Empty before Run().
    const std::string& AppName() const { return appName_; }

protected:
    // Start-up hook, called once the desktop session is up. A program that
    // runs its main window modally here returns false: the program then ends.
    virtual bool InitInstance() { return false; }

private:
    std::string appName_;
};

// The running CWinApp, or null.
CWinApp* AfxGetApp();

// The caption of the platform's own message boxes: the application object's
// name, or without one the running program file's name without path and extension.
std::string ApplicationName();

// "dir/name.ext" -> "name".
std::string ProgramNameFromPath(std::string_view path);

// The look every window shares: Fusion style, DialogFont(), no quitting when a
// window closes (a dialog's end ends the program), and the first-paint probe
// of the start-up figures. Run() applies it; test
// programs apply it to their own QApplication.
void ConfigureApplication(QApplication& app);

// The dialog font: DejaVu Sans at a pixel size where every control text fits
// the controls' dialog-unit sizes.
QFont DialogFont();

}  // namespace resonara
