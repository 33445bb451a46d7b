#include "enclosure_dlg.h"


#include "enclosure_exchange.h"
#include "program_icon.h"
#include "qt_surface.h"
#include "system_menu.h"

namespace resonara {
namespace {

// String 101: the system menu's About entry.
constexpr const char* kAboutMenuText = "&About Resonara...";

}  // namespace

// The record starts all zeros; the initialisation gives it the start-up values.
CEnclosureDlg::CEnclosureDlg() : CDialog(kEnclosureTemplate), boxCalc_(this), icon_(LoadIcon(kProgramIconId)) {}

bool CEnclosureDlg::OnInitDialog() {
    CDialog::OnInitDialog();

    if (SystemMenu* menu = GetSystemMenu(); menu != nullptr && *kAboutMenuText != '\0') {
        menu->AppendSeparator();
        menu->AppendItem(kSystemAboutCommand, kAboutMenuText);
    }
    SetIcon(icon_, true);
    SetIcon(icon_, false);

    design_.ApplyStartupValues();
    UpdateData(false);
    return true;  // the focus goes to the first field, Qts
}

void CEnclosureDlg::DoDataExchange(DataExchange& dx) { dx.Exchange(design_, std::span(kEnclosureExchange)); }

void CEnclosureDlg::OnCalculate() { RunCalculation(design_, *this); }

// The window ends only when every field parses; the default close handling
// that follows sends Cancel, whose control is disabled.
void CEnclosureDlg::OnClose() {
    OnOK();
    CDialog::OnClose();
}

void CEnclosureDlg::OnSysCommand(unsigned id) {
    if ((id & kSystemCommandMask) == kSystemAboutCommand) {
        OnAbout();
        return;
    }
    CDialog::OnSysCommand(id);
}

void CEnclosureDlg::OnPaint(QtSurface& surface) { PaintMainWindow(*this, surface, design_); }

bool CEnclosureDlg::ExchangeIn() { return UpdateData(true); }

void CEnclosureDlg::ExchangeOut() { UpdateData(false); }

void CEnclosureDlg::ShowError(const std::string& text, const std::string& caption) {
    MessageBox(text, caption, MB_OK | MB_ICONERROR);
}

void CEnclosureDlg::Invalidate() { CDialog::Invalidate(); }

bool CEnclosureDlg::IsMinimised() const { return IsIconic(); }

// The surface OnPaint() hands on is always the Qt one.
void CEnclosureDlg::EraseIconBackground(Surface& surface) { EraseBackground(static_cast<QtSurface&>(surface)); }

Point CEnclosureDlg::IconSize() const { return {kIconSize_px, kIconSize_px}; }

void CEnclosureDlg::DrawIcon(Surface& surface, Point topLeft) { static_cast<QtSurface&>(surface).DrawIcon(topLeft, icon_); }

}  // namespace resonara
