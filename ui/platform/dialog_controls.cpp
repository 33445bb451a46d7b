#include "dialog.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

#include "dialog_window.h"
#include "qt_text.h"

namespace resonara {
namespace {

bool IsTabStop(const QWidget& widget) {
    return !widget.isHidden() && widget.isEnabled() && (widget.focusPolicy() & Qt::TabFocus) != 0;
}

QString ControlText(const QWidget& control) {
    if (auto* edit = qobject_cast<const QLineEdit*>(&control)) return edit->text();
    if (auto* label = qobject_cast<const QLabel*>(&control)) return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(&control)) return button->text();
    if (auto* group = qobject_cast<const QGroupBox*>(&control)) return group->title();
    return {};
}

void FocusControl(QWidget& control) {
    control.setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(&control)) edit->selectAll();
}

// A field given a new text shows it from its first character, like a field
// the user has not scrolled: a long number shows its leading digits.
void SetControlText(QWidget& control, const QString& text) {
    if (auto* edit = qobject_cast<QLineEdit*>(&control)) {
        edit->setText(text);
        edit->setCursorPosition(0);
    }
    if (auto* label = qobject_cast<QLabel*>(&control)) label->setText(text);
    if (auto* button = qobject_cast<QAbstractButton*>(&control)) button->setText(text);
    if (auto* group = qobject_cast<QGroupBox*>(&control)) group->setTitle(text);
}

}  // namespace

QWidget* CDialog::GetDlgItem(int id) const {
    if (!HasWindow()) return nullptr;
    for (const BuiltControl& control : parts_->controls) {
        if (control.id == id) return control.widget;
    }
    return nullptr;
}

std::string CDialog::GetDlgItemText(int id) const {
    const QWidget* control = GetDlgItem(id);
    return control != nullptr ? ToStdString(ControlText(*control)) : std::string();
}

void CDialog::SetDlgItemText(int id, std::string_view text) {
    if (QWidget* control = GetDlgItem(id)) SetControlText(*control, ToQString(text));
}

bool CDialog::IsDlgButtonChecked(int id) const {
    const auto* button = qobject_cast<const QAbstractButton*>(GetDlgItem(id));
    return button != nullptr && button->isChecked();
}

void CDialog::CheckDlgButton(int id, bool checked) {
    if (auto* button = qobject_cast<QAbstractButton*>(GetDlgItem(id))) button->setChecked(checked);
}

void CDialog::GotoDlgCtrl(int id) {
    if (QWidget* control = GetDlgItem(id)) FocusControl(*control);
}

int CDialog::GetFocusId() const {
    const QWidget* window = Window();
    const QWidget* focus = window != nullptr ? window->focusWidget() : nullptr;
    if (focus == nullptr) return kNoControlId;
    for (const BuiltControl& control : parts_->controls) {
        if (control.widget == focus) return control.id;
    }
    return kNoControlId;
}

QAction* CDialog::FindMenuItem(int command) const {
    if (!HasWindow() || parts_->menuBar == nullptr) return nullptr;
    for (const QAction* popup : parts_->menuBar->actions()) {
        if (popup->menu() == nullptr) continue;
        for (QAction* item : popup->menu()->actions()) {
            if (!item->isSeparator() && item->data().toInt() == command) return item;
        }
    }
    return nullptr;
}

SystemMenu* CDialog::GetSystemMenu() const { return HasWindow() ? parts_->systemMenu.get() : nullptr; }

void CDialog::FocusFirstTabStop() {
    for (const BuiltControl& control : parts_->controls) {
        if (!IsTabStop(*control.widget)) continue;
        FocusControl(*control.widget);
        return;
    }
}

}  // namespace resonara
