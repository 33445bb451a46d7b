#pragma once

#include <functional>
#include <string_view>

class QAction;
class QMenu;
class QPoint;
class QWidget;

namespace resonara {

// System commands. A system command is known by its id with the low four
// bits cleared; the platform's own ones are the large ids below, a window's
// own ones (appended items) small multiples of 16.
enum SystemCommand : unsigned {
    SC_MINIMIZE = 0xF020,
    SC_CLOSE = 0xF060,
    SC_RESTORE = 0xF120,
};
inline constexpr unsigned kSystemCommandMask = 0xFFF0;

// A dialog's own window menu; desktop window managers keep theirs to
// themselves. It opens on Alt+Space and on a right click on the client area
// outside the controls, and holds "Minimize" (frames with a minimise box) and
// "Close", then what the window appends. Choosing an item sends its id to
// the window's system-command handler.
class SystemMenu {
public:
    // The menu's widget belongs to `window` and goes with it.
    // REQUIRES: `window` outlives this object.
    SystemMenu(QWidget& window, bool minimizeBox, std::function<void(unsigned)> onSystemCommand);
    SystemMenu(const SystemMenu&) = delete;
    SystemMenu& operator=(const SystemMenu&) = delete;

    void AppendSeparator();
    // "&" marks the mnemonic letter, as in every menu text.
    void AppendItem(unsigned id, std::string_view text);

    // Opens the menu without waiting for a choice.
    void Popup(const QPoint& globalPosition);
    bool IsOpen() const;

    // The item with this id, or null; tests trigger items through it.
    QAction* FindItem(unsigned id) const;
    QMenu& Menu() const { return *menu_; }

private:
    QMenu* menu_;
};

}  // namespace resonara
