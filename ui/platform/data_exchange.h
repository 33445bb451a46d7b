#pragma once

#include <span>
#include <string>
#include <type_traits>
#include <variant>

namespace resonara {

class CDialog;

// One row of an exchange table: a control and the record member it shows.
// The member's type decides how:
//   int          check box, 0 unchecked / 1 checked
//   double       edit, 15 significant digits ("%.15g")
//   float        edit, 6 significant digits ("%.6g"), read back rounded to float
//   std::string  the control's text as it stands (labels)
template <class Record>
struct ExchangeRow {
    int controlId;
    std::variant<int Record::*, double Record::*, float Record::*, std::string Record::*> field;
};

// One data exchange of a dialog, in one direction. A window's DoDataExchange
// hands its tables to Exchange(); rows are walked in table order.
//
// In (save and validate): at the first number that does not parse, the box
// "Please enter a number." (OK, exclamation icon, the application's name as
// caption) is shown, the focus goes to that field with its whole text
// selected, and the exchange stops: later rows keep their record values, and
// every later Exchange() call of the same exchange does nothing.
class DataExchange {
public:
    // REQUIRES: the dialog has its window and outlives the exchange.
    DataExchange(CDialog& dialog, bool saveAndValidate);

    bool SaveAndValidate() const { return saveAndValidate_; }
    bool Failed() const { return failed_; }

    // REQUIRES: each row's control has the kind its member type names.
    // Rows whose control does not exist are skipped.
    template <class Record>
    void Exchange(Record& record, std::span<const ExchangeRow<std::type_identity_t<Record>>> table) {
        for (const auto& row : table) {
            if (failed_) return;
            ExchangeField(row.controlId,
                          std::visit([&record](auto member) -> FieldRef { return &(record.*member); }, row.field));
        }
    }

private:
    using FieldRef = std::variant<int*, double*, float*, std::string*>;

    void ExchangeField(int controlId, FieldRef field);
    void ExchangeCheck(int controlId, int& value);
    void ExchangeDouble(int controlId, double& value);
    void ExchangeFloat(int controlId, float& value);
    void ExchangeText(int controlId, std::string& value);
    // Reports a field that does not parse and stops the exchange.
    void Fail(int controlId);

    CDialog& dialog_;
    bool saveAndValidate_;
    bool failed_ = false;
};

// The text of the box shown for a number field that does not parse.
inline constexpr const char* kEnterNumberMessage = "Please enter a number.";

}  // namespace resonara
