#include "dialog_builder.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRect>
#include <QStyle>
#include <QVariant>
#include <QWidget>
#include <utility>

#include "accessible_names.h"
#include "program_icon.h"
#include "qt_text.h"

namespace resonara {
namespace {

QWidget* MakePushButton(const ControlTemplate& control, QWidget& client) {
    auto* button = new QPushButton(ToQString(control.text), &client);
    button->setDefault(control.kind == ControlKind::DefaultButton);
    button->setAutoDefault(false);
    return button;
}

// The smallest size a push button's text may step down to.
constexpr int kSmallestButtonFont_px = 7;

// A push button draws its text inside the style's margins and clips what does
// not fit; a text too wide for its template's width (the maker's address on
// its button) steps its font down until it fits.
void FitButtonText(QPushButton& button) {
    const QStyle& style = *button.style();
    const int margins_px = 2 * (style.pixelMetric(QStyle::PM_ButtonMargin, nullptr, &button) +
                                style.pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &button));
    const QString shown = QString(button.text()).remove('&');
    QFont font = button.font();
    while (font.pixelSize() > kSmallestButtonFont_px &&
           QFontMetrics(font).horizontalAdvance(shown) + margins_px > button.width()) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    if (font != button.font()) button.setFont(font);
}

// Static controls are transparent to the mouse, so a click on one lands on
// the client area behind it. Without a control to lend its mnemonic to (see
// LendMnemonics) a label shows "&" as it stands.
QWidget* MakeLabel(const ControlTemplate& control, QWidget& client) {
    auto* label = new QLabel(ToQString(control.text), &client);
    label->setTextFormat(Qt::PlainText);
    const Qt::Alignment horizontal = control.kind == ControlKind::RightAlignedLabel ? Qt::AlignRight : Qt::AlignLeft;
    label->setAlignment(horizontal | Qt::AlignTop);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

QWidget* MakeEdit(const ControlTemplate& control, QWidget& client) {
    auto* edit = new QLineEdit(&client);
    edit->setReadOnly(control.kind == ControlKind::ReadOnlyEdit);
    return edit;
}

QWidget* MakeCheckBox(const ControlTemplate& control, QWidget& client) {
    return new QCheckBox(ToQString(control.text), &client);
}

QWidget* MakeGroupBox(const ControlTemplate& control, QWidget& client) {
    auto* group = new QGroupBox(ToQString(control.text), &client);
    group->setAttribute(Qt::WA_TransparentForMouseEvents);
    group->setFocusPolicy(Qt::NoFocus);
    return group;
}

QWidget* MakeIcon(const ControlTemplate& control, QWidget& client) {
    auto* label = new QLabel(&client);
    label->setPixmap(LoadIcon(control.icon).pixmap(kIconSize_px, kIconSize_px));
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

using ControlFactory = QWidget* (*)(const ControlTemplate&, QWidget&);

struct KindRow {
    ControlKind kind;
    ControlFactory make;
};

constexpr KindRow kFactories[] = {
    {ControlKind::DefaultButton, MakePushButton}, {ControlKind::Button, MakePushButton},
    {ControlKind::Label, MakeLabel},              {ControlKind::RightAlignedLabel, MakeLabel},
    {ControlKind::Edit, MakeEdit},                {ControlKind::ReadOnlyEdit, MakeEdit},
    {ControlKind::CheckBox, MakeCheckBox},        {ControlKind::GroupBox, MakeGroupBox},
    {ControlKind::Icon, MakeIcon},
};

ControlFactory FactoryFor(ControlKind kind) {
    for (const KindRow& row : kFactories) {
        if (row.kind == kind) return row.make;
    }
    return MakeLabel;
}

bool IsLabel(ControlKind kind) { return kind == ControlKind::Label || kind == ControlKind::RightAlignedLabel; }

bool SendsCommands(ControlKind kind) {
    return kind == ControlKind::DefaultButton || kind == ControlKind::Button || kind == ControlKind::CheckBox;
}

// An icon control keeps the icon's own size, whatever the template says.
QRect PlacementOf(const ControlTemplate& control) {
    QRect rect = DialogRectToPixels(control.rect);
    if (control.kind == ControlKind::Icon) rect.setSize({kIconSize_px, kIconSize_px});
    return rect;
}

QWidget* BuildControl(const ControlTemplate& control, QWidget& client) {
    QWidget* widget = FactoryFor(control.kind)(control, client);
    widget->setGeometry(PlacementOf(control));
    if (auto* button = qobject_cast<QPushButton*>(widget)) FitButtonText(*button);
    widget->setHidden((control.style & kHidden) != 0);
    widget->setEnabled((control.style & kDisabled) == 0);
    return widget;
}

// Group boxes are drawn behind every other control, whatever their place in
// the template, so they never cover the controls they frame.
void SendGroupBoxesBack(const std::vector<BuiltControl>& controls) {
    for (const BuiltControl& control : controls) {
        if (control.kind == ControlKind::GroupBox) control.widget->lower();
    }
}

bool TakesTabFocus(const QWidget& widget) { return (widget.focusPolicy() & Qt::TabFocus) != 0; }

// The mnemonic of a label moves the focus to the next control in template
// order that takes the focus.
void LendMnemonics(const DialogTemplate& dialogTemplate, const std::vector<BuiltControl>& controls) {
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const ControlTemplate& control = dialogTemplate.controls[i];
        if (!IsLabel(control.kind) || (control.style & kNoMnemonic) != 0) continue;
        for (std::size_t next = i + 1; next < controls.size(); ++next) {
            if (!TakesTabFocus(*controls[next].widget)) continue;
            static_cast<QLabel*>(controls[i].widget)->setBuddy(controls[next].widget);
            break;
        }
    }
}

void ConnectButtons(const std::vector<BuiltControl>& controls, QWidget& client,
                    const std::function<void(int)>& onCommand) {
    auto* group = new QButtonGroup(&client);
    group->setExclusive(false);
    for (const BuiltControl& control : controls) {
        if (SendsCommands(control.kind) && control.id != kNoControlId) {
            group->addButton(static_cast<QAbstractButton*>(control.widget), control.id);
        }
    }
    QObject::connect(group, &QButtonGroup::idClicked, group, onCommand);
}

QMenuBar* BuildMenuBar(const MenuTemplate& menu, QWidget& window, const std::function<void(int)>& onCommand) {
    auto* bar = new QMenuBar(&window);
    bar->setNativeMenuBar(false);
    for (const PopupTemplate& popup : menu.popups) {
        QMenu* items = bar->addMenu(ToQString(popup.text));
        for (const MenuItemTemplate& item : popup.items) {
            if (item.text.empty()) {
                items->addSeparator();
            } else {
                items->addAction(ToQString(item.text))->setData(item.command);
            }
        }
    }
    QObject::connect(bar, &QMenuBar::triggered, bar,
                     [onCommand](QAction* action) { onCommand(action->data().toInt()); });
    return bar;
}

}  // namespace

QRect DialogRectToPixels(const DialogRect& rect) {
    return {HorizontalUnitsToPixels(rect.x), VerticalUnitsToPixels(rect.y), HorizontalUnitsToPixels(rect.width),
            VerticalUnitsToPixels(rect.height)};
}

BuiltDialog BuildDialog(const DialogTemplate& dialogTemplate, QWidget& window, QWidget& client,
                        std::function<void(int)> onCommand) {
    BuiltDialog built;
    for (const ControlTemplate& control : dialogTemplate.controls) {
        built.controls.push_back({control.id, control.kind, BuildControl(control, client)});
    }
    SendGroupBoxesBack(built.controls);
    LendMnemonics(dialogTemplate, built.controls);
    ConnectButtons(built.controls, client, onCommand);
    ApplyAccessibleNames(dialogTemplate, built.controls);
    if (dialogTemplate.menu != nullptr) built.menuBar = BuildMenuBar(*dialogTemplate.menu, window, onCommand);
    return built;
}

}  // namespace resonara
