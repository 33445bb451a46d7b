#pragma once

#include "dialog.h"

namespace resonara {

// The About window, dialog 100: made afresh for each opening, no data of its
// own; OK, Enter, Esc and the close box end it.
class CAboutDlg final : public CDialog {
public:
    explicit CAboutDlg(CDialog* owner);
};

extern const DialogTemplate kAboutTemplate;

}  // namespace resonara
