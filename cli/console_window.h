#pragma once

#include <string>
#include <vector>

#include "calculation_run.h"

namespace resonara {

// The calculation run's window on the command line. The options are read
// into the record before the run, so the exchanges have nothing to move and
// there is nothing to repaint; each message box becomes a line of the report.
class ConsoleWindow : public CalculationWindow {
public:
    bool ExchangeIn() override { return true; }
    void ExchangeOut() override {}
    void ShowError(const std::string& text, const std::string& caption) override;
    void Invalidate() override {}

    // The text of every message the run showed, in order.
    const std::vector<std::string>& Messages() const { return messages_; }

private:
    std::vector<std::string> messages_;
};

}  // namespace resonara
