#pragma once

#include "box_design.h"

namespace resonara {

// What the maximum-output step works out besides curve C, for the steps after it.
struct MaximumOutput {
    double Qtc;    // total Q of the driver on the sealed rear chamber
    double Fc;     // resonance of the driver on the rear chamber, Hz
    double Vasc;   // compliance of suspension and rear chamber together, liters
    double Qec;    // electrical Q of the driver on the rear chamber
    double Vd;     // cone displacement volume at Xmax, m^3
    double eta0;   // reference efficiency, a fraction
    double SPL1;   // level for 1 W input, dB
    double SPLth;  // level at the rated power Pmax, dB
};

// Closed-box values of the driver on a rear chamber Vr (liters). An infinite Vr
// is no chamber at all: the driver's own Qts, Fs, Vas and Qes.
MaximumOutput ClosedBoxValues(const BoxDesign& design, double Vr);

// Fills curve C, the thermal limit: curve A raised by the level at Pmax.
// REQUIRES: the record in metric units, Vr stored and curve A filled by this run.
// A negative Pmax or a negative efficiency makes SPLth and curve C NaN.
MaximumOutput FillMaximumOutput(BoxDesign& design);

}  // namespace resonara
