#pragma once

#include <cstdio>
#include <string>

#include "box_design.h"

namespace resonara::testing {

// A record as a freshly started window holds it: metric, S 0.7, Gain 0.
inline BoxDesign StartupDesign() {
    BoxDesign design;
    design.ApplyStartupValues();
    return design;
}

// Selects one S option the way the option commands do.
inline void SelectS(BoxDesign& design, double S) {
    design.s05 = S == 0.5;
    design.s06 = S == 0.6;
    design.s07 = S == 0.7;
}

// A driver and alignment for tables of designs, on top of the start-up record.
struct DesignCase {
    const char* name;
    double S, gain, Qts, Fs, Vas, Pmax, Diameter, Xmax;
};

// The start-up record with the case's values put in, not yet calculated.
inline BoxDesign CaseInputs(const DesignCase& dc) {
    BoxDesign design = StartupDesign();
    SelectS(design, dc.S);
    design.Gain = dc.gain;
    design.Qts = dc.Qts;
    design.Fs = dc.Fs;
    design.Vas = dc.Vas;
    design.Pmax = dc.Pmax;
    design.Diameter = dc.Diameter;
    design.Xmax = dc.Xmax;
    return design;
}

// A single-precision result as its field shows it.
inline std::string Shown(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", static_cast<double>(value));
    return text;
}

}  // namespace resonara::testing
