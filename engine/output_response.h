#pragma once

#include <array>

#include "box_design.h"

namespace resonara {

// Scratch space of one calculation run for the output response: five arrays on
// the curve grid. Nothing reads what the response leaves in them.
struct ResponseWorkspace {
    using Array = std::array<double, kCurveSamples>;
    Array W1;
    Array W2;
    Array W3;
    Array W4;
    Array W5;
};

// D(s) = c4 s^4 + c3 s^3 + c2 s^2 + c1 s + c0, s in hertz: the vented-box
// polynomial of the front chamber and its port, the driver stiffened by the
// sealed rear chamber. The response magnitude is f^2 / |D(j f)|.
struct SystemPolynomial {
    double c4;
    double c3;
    double c2;
    double c1;
    double c0;

    // Response at any frequency f (Hz), in dB, evaluated like one sample of curve A.
    double Level_dB(double f) const;
};

// The coefficients for the record's driver and its stored Fb, Vf and Vr
// (single precision, as stored). REQUIRES: the record in metric units.
SystemPolynomial MakeSystemPolynomial(const BoxDesign& design);

// Fills curve A, the output response at 10..999 Hz, using the run's workspace.
// REQUIRES: the record in metric units with the alignment's results stored.
void FillOutputResponse(BoxDesign& design, ResponseWorkspace& work);

}  // namespace resonara
