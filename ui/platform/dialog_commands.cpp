#include "dialog.h"

#include <QKeyEvent>
#include <QPoint>
#include <QWidget>

#include "dialog_window.h"

namespace resonara {
namespace {

bool IsPushButton(ControlKind kind) { return kind == ControlKind::DefaultButton || kind == ControlKind::Button; }

}  // namespace

// The window's table first; OK and Cancel processing unless it has its own.
void CDialog::SendCommand(int id) {
    static constexpr CommandEntry kBaseCommands[] = {
        {IDOK, &CDialog::OnOK},
        {IDCANCEL, &CDialog::OnCancel},
    };
    for (std::span<const CommandEntry> table : {CommandTable(), std::span<const CommandEntry>(kBaseCommands)}) {
        for (const CommandEntry& entry : table) {
            if (entry.id != id) continue;
            (this->*entry.handler)();
            return;
        }
    }
}

void CDialog::SendSysCommand(unsigned id) { OnSysCommand(id); }

void CDialog::RequestClose() { OnClose(); }

void CDialog::OnOK() {
    if (!UpdateData(true)) return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::OnClose() { SendUnlessDisabled(IDCANCEL); }

void CDialog::OnSysCommand(unsigned id) {
    QWidget* window = Window();
    switch (id & kSystemCommandMask) {
        case SC_CLOSE: OnClose(); break;
        case SC_MINIMIZE: if (window != nullptr) window->showMinimized(); break;
        case SC_RESTORE: if (window != nullptr) window->showNormal(); break;
        default: break;
    }
}

std::span<const CommandEntry> CDialog::CommandTable() const { return {}; }

bool CDialog::HandleKey(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    if (event.key() == Qt::Key_Space && modifiers == Qt::AltModifier && GetSystemMenu() != nullptr) {
        OpenSystemMenu(*ClientArea(), 0, 0);
        return true;
    }
    if (modifiers != Qt::NoModifier) return false;
    switch (event.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: SendUnlessDisabled(EnterCommand()); return true;
        case Qt::Key_Escape: SendUnlessDisabled(IDCANCEL); return true;
        default: return false;
    }
}

void CDialog::SendUnlessDisabled(int id) {
    if (const QWidget* control = GetDlgItem(id); control != nullptr && !control->isEnabled()) return;
    SendCommand(id);
}

// A push button with the focus stands in for the default button.
int CDialog::EnterCommand() const {
    const QWidget* focus = Window()->focusWidget();
    for (const BuiltControl& control : parts_->controls) {
        if (control.widget == focus && IsPushButton(control.kind)) return control.id;
    }
    return DefaultButtonId();
}

int CDialog::DefaultButtonId() const {
    for (const BuiltControl& control : parts_->controls) {
        if (control.kind == ControlKind::DefaultButton) return control.id;
    }
    return IDOK;
}

void CDialog::OpenSystemMenu(const QWidget& at, int x, int y) {
    if (SystemMenu* menu = GetSystemMenu()) menu->Popup(at.mapToGlobal(QPoint(x, y)));
}

}  // namespace resonara
