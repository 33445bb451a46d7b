#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <string>

#include "box_design.h"
#include "dice.h"
#include "findings.h"
#include "monkey_run.h"
#include "random_services.h"

class QLineEdit;

namespace resonara {
class CDialog;
class CEnclosureDlg;
}  // namespace resonara

namespace resonara::monkey {

// One monkey run: the main window under test, the dice, the seams and what
// has been found. The events of the main window, the drivers of its modal
// windows and the run itself are in separate files.
class Monkey {
public:
    explicit Monkey(std::uint64_t seed);
    ~Monkey();
    Monkey(const Monkey&) = delete;
    Monkey& operator=(const Monkey&) = delete;

    MonkeyReport Run(int events);

private:
    // What an event may do to the main window, beyond the invariants that always hold.
    enum EventTrait : unsigned {
        kNoTrait = 0,
        kEndsWithExchangeOut = 1u << 0,  // every field is rewritten from the record
        kMayEndWindow = 1u << 1,         // Exit and the close requests
        kKeepsRecord = 1u << 2,          // typing, showing and opening things: nothing reaches the record
    };

    struct MainEvent {
        const char* kind;
        int weight;
        unsigned traits;
        void (Monkey::*act)();
    };
    static const MainEvent kMainEvents[];

    // main_window_events.cpp
    const MainEvent& PickEvent();
    void TypeIntoMainField();
    void ClickCalculate();
    void ClickCheckBox();
    void ClickWebsite();
    void ChooseEnglish();
    void ChooseMetric();
    void ChooseBoxCalculator();
    void ChooseOnlineHelp();
    void ChooseAbout();
    void ChooseSystemAbout();
    void ChooseExit();
    void RequestClose();
    void PressKey();
    void Minimise();
    void Restore();
    void Paint();

    // modal_drivers.cpp
    void DriveModal(CDialog& dialog);
    void DriveBoxCalculator(CDialog& box);
    void DriveAbout(CDialog& about);
    void EndBoxCalculator(CDialog& box);
    void TypeInto(QLineEdit& edit);

    // monkey_run.cpp
    void OpenMainWindow();
    void CheckAfter(const MainEvent& event);
    void Note(const std::string& what);
    void FinishEvent(int index);

    Dice dice_;
    Findings findings_;
    RandomServices services_;
    std::unique_ptr<CEnclosureDlg> main_;
    bool wasCalculated_ = false;
    BoxDesign before_;  // the record as the event under way found it
    std::string current_;  // the event under way and what it led to
    std::deque<std::string> recent_;
    MonkeyReport report_;
};

}  // namespace resonara::monkey
