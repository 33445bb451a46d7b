#include "accessible_names.h"

#include <QAbstractButton>
#include <QLabel>
#include <QWidget>

#include "qt_text.h"

namespace resonara {
namespace {

constexpr char kMnemonicMark = '&';

bool IsButton(ControlKind kind) {
    return kind == ControlKind::DefaultButton || kind == ControlKind::Button || kind == ControlKind::CheckBox;
}

// The first control in template order wins when ids repeat, as for every lookup by id.
QWidget* ControlById(std::span<const BuiltControl> controls, int id) {
    for (const BuiltControl& control : controls) {
        if (control.id == id) return control.widget;
    }
    return nullptr;
}

// A label's text without the blanks around it and without a closing colon:
// " liters" -> "liters", "Length (cm):" -> "Length (cm)".
std::string LabelPhrase(std::span<const BuiltControl> controls, int id) {
    const auto* label = qobject_cast<const QLabel*>(ControlById(controls, id));
    if (label == nullptr) return {};
    QString text = label->text().trimmed();
    if (text.endsWith(QLatin1Char(':'))) text.chop(1);
    return ToStdString(text.trimmed());
}

// "Vas" with the unit "liters" -> "Vas (liters)"; without a unit just "Vas".
std::string FieldName(const AccessibleNameTemplate& row, std::span<const BuiltControl> controls) {
    if (row.name.empty()) return LabelPhrase(controls, row.label);
    const std::string unit = row.label != kNoControlId ? LabelPhrase(controls, row.label) : std::string(row.unit);
    std::string name(row.name);
    if (!unit.empty()) name += " (" + unit + ")";
    return name;
}

// Setting a name tells a running screen reader that it changed, so only a new one is set.
void SetName(QWidget& control, const std::string& name) {
    const QString spoken = ToQString(name);
    if (control.accessibleName() != spoken) control.setAccessibleName(spoken);
}

void NameButtons(std::span<const BuiltControl> controls) {
    for (const BuiltControl& control : controls) {
        if (!IsButton(control.kind)) continue;
        const auto* button = static_cast<const QAbstractButton*>(control.widget);
        SetName(*control.widget, WithoutMnemonic(ToStdString(button->text())));
    }
}

void NameFields(std::span<const AccessibleNameTemplate> rows, std::span<const BuiltControl> controls) {
    for (const AccessibleNameTemplate& row : rows) {
        if (QWidget* field = ControlById(controls, row.controlId)) {
            SetName(*field, FieldName(row, controls));
        }
    }
}

}  // namespace

std::string WithoutMnemonic(std::string_view text) {
    std::string spoken;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == kMnemonicMark && i + 1 < text.size()) ++i;
        spoken += text[i];
    }
    return spoken;
}

void ApplyAccessibleNames(const DialogTemplate& dialogTemplate, std::span<const BuiltControl> controls) {
    NameButtons(controls);
    NameFields(dialogTemplate.accessibleNames, controls);
}

}  // namespace resonara
