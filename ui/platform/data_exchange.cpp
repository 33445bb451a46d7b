#include "data_exchange.h"

#include "application.h"
#include "dialog.h"
#include "number_text.h"
#include "platform_services.h"

namespace resonara {
namespace {

// Check states a flag can show; anything outside is shown unchecked, and the
// indeterminate state shows checked on these two-state boxes.
constexpr int kUnchecked = 0;
constexpr int kChecked = 1;
constexpr int kIndeterminate = 2;

bool ShowsChecked(int value) { return value == kChecked || value == kIndeterminate; }

}  // namespace

DataExchange::DataExchange(CDialog& dialog, bool saveAndValidate)
    : dialog_(dialog), saveAndValidate_(saveAndValidate) {}

void DataExchange::ExchangeField(int controlId, FieldRef field) {
    if (dialog_.GetDlgItem(controlId) == nullptr) return;
    std::visit(
        [this, controlId](auto* value) {
            using Value = std::remove_pointer_t<decltype(value)>;
            if constexpr (std::is_same_v<Value, int>) ExchangeCheck(controlId, *value);
            if constexpr (std::is_same_v<Value, double>) ExchangeDouble(controlId, *value);
            if constexpr (std::is_same_v<Value, float>) ExchangeFloat(controlId, *value);
            if constexpr (std::is_same_v<Value, std::string>) ExchangeText(controlId, *value);
        },
        field);
}

void DataExchange::ExchangeCheck(int controlId, int& value) {
    if (saveAndValidate_) {
        value = dialog_.IsDlgButtonChecked(controlId) ? kChecked : kUnchecked;
    } else {
        dialog_.CheckDlgButton(controlId, ShowsChecked(value));
    }
}

void DataExchange::ExchangeDouble(int controlId, double& value) {
    if (!saveAndValidate_) {
        dialog_.SetDlgItemText(controlId, FormatDouble(value));
    } else if (const auto parsed = ParseDouble(dialog_.GetDlgItemText(controlId))) {
        value = *parsed;
    } else {
        Fail(controlId);
    }
}

void DataExchange::ExchangeFloat(int controlId, float& value) {
    if (!saveAndValidate_) {
        dialog_.SetDlgItemText(controlId, FormatFloat(value));
    } else if (const auto parsed = ParseFloat(dialog_.GetDlgItemText(controlId))) {
        value = *parsed;
    } else {
        Fail(controlId);
    }
}

void DataExchange::ExchangeText(int controlId, std::string& value) {
    if (saveAndValidate_) {
        value = dialog_.GetDlgItemText(controlId);
    } else {
        dialog_.SetDlgItemText(controlId, value);
    }
}

// The box comes first; once it is closed the focus goes to the bad field.
void DataExchange::Fail(int controlId) {
    failed_ = true;
    Services().MessageBox(&dialog_, kEnterNumberMessage, ApplicationName(), MB_OK | MB_ICONEXCLAMATION);
    dialog_.GotoDlgCtrl(controlId);
}

}  // namespace resonara
