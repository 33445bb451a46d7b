#pragma once

#include <string>

namespace resonara {

// Guards the start of the desktop session. While it is in force, Qt's
// messages are held back; a fatal one, which Qt raises when no display can be
// opened, becomes the single line
//     <name>: cannot open a display; set DISPLAY or QT_QPA_PLATFORM
// on stderr and the process exits with status 1, without an abort or a core.
// Release() (or the destructor) hands the held messages to the handler that
// was in place before and puts it back.
//
// REQUIRES: at most one at a time, on the main thread.
class StartupMessages {
public:
    explicit StartupMessages(std::string programName);
    ~StartupMessages();
    StartupMessages(const StartupMessages&) = delete;
    StartupMessages& operator=(const StartupMessages&) = delete;

    void Release();
};

// Exit status of a program whose display could not be opened.
inline constexpr int kNoDisplayExitStatus = 1;

}  // namespace resonara
