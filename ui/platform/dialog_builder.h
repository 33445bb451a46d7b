#pragma once

#include <functional>
#include <vector>

#include "dialog_template.h"

class QMenuBar;
class QRect;
class QWidget;

namespace resonara {

struct BuiltControl {
    int id;
    ControlKind kind;
    QWidget* widget;  // owned by the client area
};

struct BuiltDialog {
    QMenuBar* menuBar = nullptr;        // owned by the window; null without a menu
    std::vector<BuiltControl> controls;  // template order
};

// Turns a template into widgets: its controls become children of `client`,
// placed in pixels, created in template order (which makes it the tab order);
// its menu becomes a menu bar owned by `window`, not yet laid out. Button,
// check box and menu clicks call `onCommand` with their id. The controls'
// icons come from LoadIcon(). Controls get their accessible names from the
// texts they start with (see ApplyAccessibleNames()).
BuiltDialog BuildDialog(const DialogTemplate& dialogTemplate, QWidget& window, QWidget& client,
                        std::function<void(int)> onCommand);

// A control's pixel rectangle in the client area.
QRect DialogRectToPixels(const DialogRect& rect);

}  // namespace resonara
