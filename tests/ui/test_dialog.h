#pragma once

#include <array>
#include <string>
#include <vector>

#include "dialog.h"

namespace resonara::testing {

// A record with one field of each kind the exchange knows.
struct TestRecord {
    int flag = 0;
    double value = 0;
    float result = 0;
    std::string unit;
    double later = 0;
};

enum TestControlId : int {
    kFlagId = 1101,
    kValueId = 1102,
    kResultId = 1103,
    kUnitId = 1104,
    kLaterId = 1105,
    kActionId = 1106,
    kHiddenId = 1107,
    kDisabledId = 1108,
};

enum TestCommand : int {
    kMenuDoCommand = 32801,
    kMenuOtherCommand = 32802,
    kTestAboutCommand = 16,
};

// Open: OK and Cancel shown and enabled, 200 x 120 dialog units, no menu.
// Locked: OK and Cancel hidden and disabled, 512 x 341 with menu, minimise
// and maximise boxes, as a main window.
extern const DialogTemplate kOpenTemplate;
extern const DialogTemplate kLockedTemplate;

// Records what reaches its handlers.
class TestDialog : public CDialog {
public:
    explicit TestDialog(const DialogTemplate& dialogTemplate, CDialog* owner = nullptr)
        : CDialog(dialogTemplate, owner) {}

    TestRecord record;
    std::vector<std::string> commands;   // handler names in the order they ran
    std::vector<unsigned> sysCommands;   // every system command seen
    bool flagCheckedInHandler = false;
    bool closeRunsOk = false;            // close request runs OK processing first, as a main window's
    bool initFocus = true;               // what OnInitDialog reports
    int paints = 0;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(DataExchange& dx) override;
    void OnClose() override;
    void OnSysCommand(unsigned id) override;
    // A red 1-pixel line from (10, 10) to (30, 10).
    void OnPaint(QtSurface& surface) override;
    std::span<const CommandEntry> CommandTable() const override { return kCommands; }

private:
    void OnAction() { commands.push_back("action"); }
    void OnFlag();
    void OnMenuDo() { commands.push_back("menu do"); }

    static const CommandEntry kCommands[3];
};

}  // namespace resonara::testing
