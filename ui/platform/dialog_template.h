#pragma once

#include <span>
#include <string_view>

#include "dialog_units.h"

namespace resonara {

// Dialog, control and menu templates: plain constant data that a window keeps
// next to itself and the builder turns into widgets. Texts use "&" before the
// mnemonic letter and "&&" for a literal "&".

// The id of a control that nobody addresses (most labels, group boxes).
inline constexpr int kNoControlId = -1;

enum class ControlKind {
    DefaultButton,      // push button pressed by Enter while no other push button has the focus
    Button,             // push button; a click sends its id as a command
    Label,              // static text, left-aligned
    RightAlignedLabel,  // static text, right-aligned
    Edit,               // bordered one-line field with a tab stop; scrolls horizontally while typing
    ReadOnlyEdit,       // looks like an edit, takes the focus, refuses typing
    CheckBox,           // toggles itself when clicked, then sends its id as a command
    GroupBox,           // titled frame drawn behind the other controls; takes no input
    Icon,               // an icon resource at the desktop's icon size
};

// Bits of ControlTemplate::style.
enum ControlStyle : unsigned {
    kNoStyle = 0,
    kHidden = 1u << 0,      // never shown unless the window shows it
    kDisabled = 1u << 1,    // refuses input; Enter, Esc and close requests aimed at it do nothing
    kNoMnemonic = 1u << 2,  // labels only: "&" is shown as it stands
};

struct ControlTemplate {
    ControlKind kind = ControlKind::Label;
    int id = kNoControlId;   // command and data-exchange id
    std::string_view text;   // caption; unused for edits and icons
    DialogRect rect;         // dialog units
    unsigned style = kNoStyle;
    int icon = 0;            // Icon kind only: the icon resource id
};

// An item with an empty text is a separator.
struct MenuItemTemplate {
    std::string_view text;
    int command = 0;
};

struct PopupTemplate {
    std::string_view text;
    std::span<const MenuItemTemplate> items;
};

struct MenuTemplate {
    int id = 0;
    std::span<const PopupTemplate> popups;  // left to right on the menu bar
};

// How a field is named for screen readers: by its own label, with the unit
// it is read in. The unit is either fixed or whatever a unit label shows at
// the time, so the name follows a change of unit system. A row without a
// name takes the whole text `label` shows, less blanks and its colon, e.g.
// "Length (cm):" gives "Length (cm)". Push buttons and check boxes need no
// row: they are named by their own text.
struct AccessibleNameTemplate {
    int controlId = kNoControlId;
    std::string_view name = {};  // e.g. "Vas"
    std::string_view unit = {};  // a unit that never changes, e.g. "Hz"
    int label = kNoControlId;    // a label whose text is the unit (row with a name) or the whole name
};

// Bits of DialogTemplate::frame. Every frame has a caption and a fixed size.
enum FrameStyle : unsigned {
    kPlainFrame = 0,
    kSystemMenu = 1u << 0,   // close box and the window's own system menu
    kMinimizeBox = 1u << 1,
    kMaximizeBox = 1u << 2,
};

struct DialogTemplate {
    int id = 0;
    std::string_view caption;
    int width = 0, height = 0;  // of the client area below the menu bar, in dialog units
    unsigned frame = kSystemMenu;
    std::span<const ControlTemplate> controls;  // template order, which is also the tab order
    const MenuTemplate* menu = nullptr;         // REQUIRES: static data, like the template
    std::span<const AccessibleNameTemplate> accessibleNames = {};  // one row per field
};

}  // namespace resonara
