#pragma once

#include <array>
#include <string>
#include <vector>

#include <optional>

#include "box_calculator.h"
#include "box_design.h"
#include "options.h"
#include "rated_power_curves.h"

namespace resonara {

// One calculation run on the command line's inputs and what it left.
struct DesignerRun {
    std::array<double, kInputCount> inputs{};  // as the run was given them, in the order of kInputOptions
    BoxDesign design;                          // after the run
    std::vector<std::string> messages;         // every message the run showed, in order
    RatedPowerCurves ratedPower;               // worked out after a run that was not stopped
    std::optional<BoxCalculation> box;         // the Box Calculator opened on the results, when asked for

    // A zero driver value stopped the run at validation.
    bool Stopped() const { return design.calculated == 0; }
    bool PortWarning() const;
};

// Starts from the record of a fresh window in the chosen units, takes the
// given options into it (the graph mode too, as the window's graph-mode
// commands do) and runs the calculation as the window's "Calculate" does.
DesignerRun RunDesign(const DesignerOptions& options);

}  // namespace resonara
