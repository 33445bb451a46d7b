#include "enclosure_app.h"

#include "enclosure_dlg.h"

namespace resonara {

// Qt hosts no embedded controls and draws its widgets in its own style, so the
// start-up goes straight to the main window. Its end code is not examined:
// returning false ends the program without a message loop of its own.
bool CEnclosureApp::InitInstance() {
    CEnclosureDlg dialog;
    dialog.DoModal();
    return false;
}

}  // namespace resonara
