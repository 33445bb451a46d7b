#pragma once

#include <functional>
#include <map>
#include <string>

#include "dice.h"
#include "findings.h"
#include "platform_services.h"

namespace resonara::monkey {

// The desktop as a monkey sees it: every message box is checked against the
// boxes the program may show (text, caption, buttons and icon, an owner with
// a window) and answered at random, OK or Cancel where it offers both; a web
// page may open only right after OK in a help box, and only the speaker
// page; a modal run goes to `driveModal`, which must end the dialog.
class RandomServices final : public PlatformServices {
public:
    RandomServices(Dice& dice, Findings& findings, std::function<void(CDialog&)> driveModal);

    int MessageBox(const CDialog* owner, std::string_view text, std::string_view caption, unsigned flags) override;
    void ShellOpen(std::string_view address) override;
    void RunModal(CDialog& dialog) override;

    // OK was given in a help box and no page has opened since.
    bool PageOwed() const { return pageOwed_; }
    void ForgivePage() { pageOwed_ = false; }

    const std::map<std::string, int>& BoxesShown() const { return boxesShown_; }
    int PagesOpened() const { return pagesOpened_; }

private:
    Dice& dice_;
    Findings& findings_;
    std::function<void(CDialog&)> driveModal_;
    bool pageOwed_ = false;
    std::map<std::string, int> boxesShown_;  // by first line of text
    int pagesOpened_ = 0;
};

}  // namespace resonara::monkey
