// What the monkey does to the main window: types into its fields, clicks its
// buttons and check boxes, chooses its menu and system menu commands,
// presses keys, minimises, restores and repaints it.
#include <QAbstractButton>
#include <QAction>
#include <QImage>
#include <QLineEdit>
#include <QTest>
#include <QWidget>
#include <span>

#include "enclosure_dlg.h"
#include "monkey.h"
#include "system_menu.h"

namespace resonara::monkey {
namespace {

constexpr int kMainFields[] = {kQtsEdit,  kQesEdit,     kFsEdit,   kVasEdit, kPmaxEdit, kDiameterEdit,
                               kXmaxEdit, kDpEdit,      kPortsEdit, kGainEdit, kVfEdit,  kVrEdit,
                               kFbEdit,   kFlEdit,      kFhEdit,   kLpEdit};
constexpr int kCheckBoxes[] = {kOutputResponseCheck, kPowerResponseCheck, kS05Check, kS06Check, kS07Check};

struct KeyRow {
    Qt::Key key;
    const char* name;
};

constexpr KeyRow kKeys[] = {
    {Qt::Key_Return, "Enter"}, {Qt::Key_Enter, "keypad Enter"}, {Qt::Key_Escape, "Esc"},
    {Qt::Key_Tab, "Tab"},      {Qt::Key_Backtab, "Shift+Tab"},  {Qt::Key_Space, "Space"},
};

void Click(const CDialog& dialog, int id) { static_cast<QAbstractButton*>(dialog.GetDlgItem(id))->click(); }

void Choose(const CDialog& dialog, int command) { dialog.FindMenuItem(command)->trigger(); }

}  // namespace

constexpr Monkey::MainEvent Monkey::kMainEvents[] = {
    {"type", 30, kKeepsRecord, &Monkey::TypeIntoMainField},
    {"Calculate", 8, kEndsWithExchangeOut, &Monkey::ClickCalculate},
    {"check box", 10, kEndsWithExchangeOut, &Monkey::ClickCheckBox},
    {"website", 3, kKeepsRecord, &Monkey::ClickWebsite},
    {"English", 5, kEndsWithExchangeOut, &Monkey::ChooseEnglish},
    {"Metric", 5, kEndsWithExchangeOut, &Monkey::ChooseMetric},
    {"Box Calculator", 6, kKeepsRecord, &Monkey::ChooseBoxCalculator},
    {"Online Help", 3, kKeepsRecord, &Monkey::ChooseOnlineHelp},
    {"About", 2, kKeepsRecord, &Monkey::ChooseAbout},
    {"system About", 1, kKeepsRecord, &Monkey::ChooseSystemAbout},
    {"Exit", 1, kMayEndWindow, &Monkey::ChooseExit},
    {"close", 1, kMayEndWindow, &Monkey::RequestClose},
    {"key", 8, kNoTrait, &Monkey::PressKey},
    {"minimise", 1, kKeepsRecord, &Monkey::Minimise},
    {"restore", 1, kKeepsRecord, &Monkey::Restore},
    {"paint", 3, kKeepsRecord, &Monkey::Paint},
};

const Monkey::MainEvent& Monkey::PickEvent() {
    int total = 0;
    for (const MainEvent& event : kMainEvents) total += event.weight;
    int roll = dice_.Below(total);
    for (const MainEvent& event : kMainEvents) {
        if (roll < event.weight) return event;
        roll -= event.weight;
    }
    return kMainEvents[0];
}

void Monkey::TypeIntoMainField() {
    const int id = dice_.Pick(std::span<const int>(kMainFields));
    Note("field " + std::to_string(id));
    TypeInto(*static_cast<QLineEdit*>(main_->GetDlgItem(id)));
}

void Monkey::ClickCalculate() { Click(*main_, kCalculateButton); }

void Monkey::ClickCheckBox() {
    const int id = dice_.Pick(std::span<const int>(kCheckBoxes));
    Note(main_->GetDlgItemText(id));
    Click(*main_, id);
}

void Monkey::ClickWebsite() { Click(*main_, kWebsiteButton); }

void Monkey::ChooseEnglish() { Choose(*main_, kUnitsEnglishCommand); }

void Monkey::ChooseMetric() { Choose(*main_, kUnitsMetricCommand); }

void Monkey::ChooseBoxCalculator() { Choose(*main_, kBoxCalculatorCommand); }

void Monkey::ChooseOnlineHelp() { Choose(*main_, kOnlineHelpCommand); }

void Monkey::ChooseAbout() { Choose(*main_, kAboutCommand); }

void Monkey::ChooseSystemAbout() { main_->GetSystemMenu()->FindItem(kSystemAboutCommand)->trigger(); }

void Monkey::ChooseExit() { Choose(*main_, kFileExitCommand); }

// The close box, Alt+F4 and the system menu's Close all come to the same request.
void Monkey::RequestClose() {
    switch (dice_.Below(3)) {
        case 0: Note("close box"); main_->Window()->close(); break;
        case 1: Note("system menu Close"); main_->SendSysCommand(SC_CLOSE); break;
        default: Note("close request"); main_->RequestClose(); break;
    }
}

// At the control with the focus, as a keyboard does.
void Monkey::PressKey() {
    const KeyRow& key = dice_.Pick(std::span<const KeyRow>(kKeys));
    QWidget* target = main_->Window()->focusWidget();
    if (target == nullptr) target = main_->Window();
    Note(std::string(key.name) + " at control " + std::to_string(main_->GetFocusId()));
    QTest::keyClick(target, key.key);
}

void Monkey::Minimise() { main_->SendSysCommand(SC_MINIMIZE); }

void Monkey::Restore() { main_->SendSysCommand(SC_RESTORE); }

void Monkey::Paint() {
    if (main_->PaintClientToImage().isNull()) findings_.Add("the main window painted nothing");
}

}  // namespace resonara::monkey
