#pragma once

#include <string_view>

namespace resonara {

class CDialog;

// Message box flags: the buttons in the low four bits, the icon in the next four.
enum MessageBoxFlags : unsigned {
    MB_OK = 0x00,
    MB_OKCANCEL = 0x01,
    MB_ICONERROR = 0x10,
    MB_ICONQUESTION = 0x20,
    MB_ICONEXCLAMATION = 0x30,
    MB_ICONINFORMATION = 0x40,
};
inline constexpr unsigned kMessageBoxButtonsMask = 0x0F;
inline constexpr unsigned kMessageBoxIconMask = 0xF0;

// Dialog and message box end codes, and the commands of the OK and Cancel controls.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;

// What the windows ask of the desktop beyond their own widgets. Every call
// goes through the current services, so tests put in-memory ones in place and
// never run a real modal loop.
class PlatformServices {
public:
    virtual ~PlatformServices() = default;

    // A modal message box; returns IDOK or IDCANCEL (Esc or the close box on
    // an OK/Cancel box). `owner` may be null.
    virtual int MessageBox(const CDialog* owner, std::string_view text, std::string_view caption,
                           unsigned flags) = 0;

    // Opens a web address in the desktop's browser; a failure is not reported.
    virtual void ShellOpen(std::string_view address) = 0;

    // Runs the dialog, which is up and shown, until it ends.
    // ENSURES: dialog.IsEnded() on return, or the caller treats the run as failed.
    virtual void RunModal(CDialog& dialog) = 0;
};

// The services every window uses: the real ones unless replaced.
PlatformServices& Services();

// Makes `services` current (null: the real ones again) and returns the
// previous one. REQUIRES: `services` outlives its time as current.
PlatformServices* SetServices(PlatformServices* services);

// The real services: QMessageBox, QDesktopServices and the dialog's own loop.
PlatformServices& RealServices();

}  // namespace resonara
