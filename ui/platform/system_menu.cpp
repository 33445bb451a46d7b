#include "system_menu.h"

#include <QAction>
#include <QMenu>
#include <QPoint>
#include <QVariant>
#include <QWidget>
#include <utility>

#include "qt_text.h"

namespace resonara {
namespace {

struct UsualItem {
    const char* text;
    unsigned id;
    bool needsMinimizeBox;
};

constexpr UsualItem kUsualItems[] = {
    {"Mi&nimize", SC_MINIMIZE, true},
    {"&Close\tAlt+F4", SC_CLOSE, false},
};

}  // namespace

SystemMenu::SystemMenu(QWidget& window, bool minimizeBox, std::function<void(unsigned)> onSystemCommand)
    : menu_(new QMenu(&window)) {
    for (const UsualItem& item : kUsualItems) {
        if (!item.needsMinimizeBox || minimizeBox) AppendItem(item.id, item.text);
    }
    QObject::connect(menu_, &QMenu::triggered, menu_,
                     [handler = std::move(onSystemCommand)](QAction* action) {
                         handler(action->data().toUInt());
                     });
}

void SystemMenu::AppendSeparator() { menu_->addSeparator(); }

void SystemMenu::AppendItem(unsigned id, std::string_view text) {
    QAction* action = menu_->addAction(ToQString(text));
    action->setData(id);
}

void SystemMenu::Popup(const QPoint& globalPosition) { menu_->popup(globalPosition); }

bool SystemMenu::IsOpen() const { return menu_->isVisible(); }

QAction* SystemMenu::FindItem(unsigned id) const {
    for (QAction* action : menu_->actions()) {
        if (!action->isSeparator() && action->data().toUInt() == id) return action;
    }
    return nullptr;
}

}  // namespace resonara
