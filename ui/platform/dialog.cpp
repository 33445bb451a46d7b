#include "dialog.h"

#include <QAbstractButton>
#include <QAction>
#include <QEventLoop>
#include <QGroupBox>
#include <QIcon>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPoint>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "application.h"
#include "dialog_window.h"
#include "qt_surface.h"
#include "qt_text.h"

namespace resonara {
namespace {

struct FrameFlagRow {
    unsigned frame;
    Qt::WindowFlags flags;
};

constexpr FrameFlagRow kFrameFlags[] = {
    {kSystemMenu, Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint},
    {kMinimizeBox, Qt::WindowMinimizeButtonHint},
    {kMaximizeBox, Qt::WindowMaximizeButtonHint},
};

// A window with an owner is the owner's dialog and stays above it.
Qt::WindowFlags WindowFlagsFor(unsigned frame, bool owned) {
    Qt::WindowFlags flags = (owned ? Qt::Dialog : Qt::Window) | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    for (const FrameFlagRow& row : kFrameFlags) {
        if ((frame & row.frame) != 0) flags |= row.flags;
    }
    return flags;
}

bool IsPushButton(ControlKind kind) { return kind == ControlKind::DefaultButton || kind == ControlKind::Button; }

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

void SetControlText(QWidget& control, const QString& text) {
    if (auto* edit = qobject_cast<QLineEdit*>(&control)) edit->setText(text);
    if (auto* label = qobject_cast<QLabel*>(&control)) label->setText(text);
    if (auto* button = qobject_cast<QAbstractButton*>(&control)) button->setText(text);
    if (auto* group = qobject_cast<QGroupBox*>(&control)) group->setTitle(text);
}

}  // namespace

CDialog::CDialog(const DialogTemplate& dialogTemplate, CDialog* owner) : template_(dialogTemplate), owner_(owner) {}

CDialog::~CDialog() { DestroyWindow(); }

int CDialog::DoModal() {
    if (!Create()) return -1;
    Window()->setWindowModality(Qt::ApplicationModal);
    CenterWindow();
    if (!ended_) {
        ShowWindow();
        Services().RunModal(*this);
    }
    const int code = ended_ ? endCode_ : -1;
    DestroyWindow();
    return code;
}

bool CDialog::Create() {
    if (HasWindow()) return false;
    ended_ = false;
    endCode_ = 0;
    parts_ = std::make_unique<DialogParts>();
    QWidget* ownerWindow = owner_ != nullptr ? owner_->Window() : nullptr;
    auto* window = new DialogWindow(*this, ownerWindow, WindowFlagsFor(template_.frame, ownerWindow != nullptr));
    parts_->window = window;
    window->setWindowTitle(ToQString(template_.caption));
    window->setFont(DialogFont());

    parts_->client = new ClientWidget(*this, window);
    parts_->client->setFixedSize(HorizontalUnitsToPixels(template_.width), VerticalUnitsToPixels(template_.height));
    BuiltDialog built = BuildDialog(template_, *window, *parts_->client, [this](int id) { SendCommand(id); });
    parts_->menuBar = built.menuBar;
    parts_->controls = std::move(built.controls);

    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    if (parts_->menuBar != nullptr) layout->setMenuBar(parts_->menuBar);
    layout->addWidget(parts_->client);

    if ((template_.frame & kSystemMenu) != 0) {
        parts_->systemMenu = std::make_unique<SystemMenu>(*window, (template_.frame & kMinimizeBox) != 0,
                                                          [this](unsigned id) { OnSysCommand(id); });
    }
    // The system menu and the menu bar keep their own keys.
    auto* keys = new DialogKeys(*this, window);
    window->installEventFilter(keys);
    parts_->client->installEventFilter(keys);
    for (const BuiltControl& control : parts_->controls) control.widget->installEventFilter(keys);

    if (OnInitDialog()) FocusFirstTabStop();
    return true;
}

void CDialog::ShowWindow() {
    if (QWidget* window = Window()) window->show();
}

void CDialog::RunModalLoop() {
    if (ended_ || !HasWindow()) return;
    QEventLoop loop;
    modalLoop_ = &loop;
    loop.exec(QEventLoop::DialogExec);
    modalLoop_ = nullptr;
}

void CDialog::DestroyWindow() { parts_.reset(); }

void CDialog::EndDialog(int code) {
    ended_ = true;
    endCode_ = code;
    if (QWidget* window = Window()) window->hide();
    if (modalLoop_ != nullptr) modalLoop_->quit();
}

bool CDialog::UpdateData(bool saveAndValidate) {
    if (!HasWindow()) return false;
    DataExchange exchange(*this, saveAndValidate);
    DoDataExchange(exchange);
    return !exchange.Failed();
}

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

void CDialog::Invalidate() {
    if (QWidget* client = ClientArea()) client->update();
}

bool CDialog::IsIconic() const {
    const QWidget* window = Window();
    return window != nullptr && window->isMinimized();
}

// One icon carries both sizes, so the big and the small icon are the same call.
void CDialog::SetIcon(const QIcon& icon, bool /*big*/) {
    if (QWidget* window = Window()) window->setWindowIcon(icon);
}

void CDialog::EraseBackground(QtSurface& surface) const {
    const QWidget* client = ClientArea();
    if (client == nullptr) return;
    const QColor background = client->palette().color(QPalette::Window);
    surface.FillRect(surface.ClientRect(), {static_cast<std::uint8_t>(background.red()),
                                            static_cast<std::uint8_t>(background.green()),
                                            static_cast<std::uint8_t>(background.blue())});
}

QImage CDialog::PaintClientToImage() {
    QWidget* client = ClientArea();
    if (client == nullptr) return {};
    QImage image(client->size(), QImage::Format_RGB32);
    {
        QtSurface surface(image);
        EraseBackground(surface);
        OnPaint(surface);
    }
    return image;
}

int CDialog::MessageBox(std::string_view text, std::string_view caption, unsigned flags) {
    return Services().MessageBox(this, text, caption, flags);
}

QWidget* CDialog::Window() const { return HasWindow() ? parts_->window.data() : nullptr; }

QWidget* CDialog::ClientArea() const { return HasWindow() && parts_->window != nullptr ? parts_->client : nullptr; }

CDialog* CDialog::FromWindow(const QWidget* window) {
    const auto* dialogWindow = dynamic_cast<const DialogWindow*>(window);
    return dialogWindow != nullptr ? &dialogWindow->Dialog() : nullptr;
}

bool CDialog::OnInitDialog() {
    UpdateData(false);
    return true;
}

void CDialog::DoDataExchange(DataExchange&) {}

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

void CDialog::OnPaint(QtSurface&) {}

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

void CDialog::FocusFirstTabStop() {
    for (const BuiltControl& control : parts_->controls) {
        if (!IsTabStop(*control.widget)) continue;
        FocusControl(*control.widget);
        return;
    }
}

void CDialog::CenterWindow() {
    QWidget* window = Window();
    window->adjustSize();
    const QWidget* ownerWindow = owner_ != nullptr ? owner_->Window() : nullptr;
    const QRect area = ownerWindow != nullptr ? ownerWindow->frameGeometry() : window->screen()->availableGeometry();
    QRect frame = window->frameGeometry();
    frame.moveCenter(area.center());
    window->move(frame.topLeft());
}

}  // namespace resonara
