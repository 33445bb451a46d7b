#include "dialog.h"

#include <QEventLoop>
#include <QMenuBar>
#include <QScreen>
#include <QVBoxLayout>
#include <QWidget>

#include "accessible_names.h"
#include "application.h"
#include "dialog_window.h"
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
    // Names that carry a unit follow the unit labels the exchange just wrote.
    if (!saveAndValidate) ApplyAccessibleNames(template_, parts_->controls);
    return !exchange.Failed();
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
