#pragma once

#include <string>

#include "box_design.h"

namespace resonara {

// What a calculation run needs of the window that owns the record.
class CalculationWindow {
public:
    virtual ~CalculationWindow() = default;

    // Controls -> record over the window's exchange table. The run does not
    // look at the result: a field that does not parse leaves it and the
    // fields after it as they were.
    virtual bool ExchangeIn() = 0;
    // Record -> controls.
    virtual void ExchangeOut() = 0;
    // Modal message box with a single OK button and the error icon; returns when closed.
    virtual void ShowError(const std::string& text, const std::string& caption) = 0;
    // Repaint the whole client area, erasing the background.
    virtual void Invalidate() = 0;
};

// The calculation run behind "Calculate": exchange in, validate the driver,
// compute in metric, exchange out, repaint. A zero driver value stops it
// with a message and puts the driver values and graph flags of before back.
void RunCalculation(BoxDesign& design, CalculationWindow& window);

}  // namespace resonara
