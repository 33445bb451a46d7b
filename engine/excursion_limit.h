#pragma once

#include "box_design.h"
#include "maximum_output.h"

namespace resonara {

// Curve B: the excursion limit, the highest level at each frequency at which
// the cone stays within Xmax.
//
// A piston that moves a peak volume Vd (m^3) at f radiates
// pi^3 * (4 rho / c) * f^4 * Vd^2 watts into half space. All the sound of the box
// comes from the port, whose volume velocity is the cone's times
// Fb^2 / (Fb^2 - f^2 + j f Fb / 7) (port loss Q of 7), and one acoustic watt reads
// 112 dB. So with the cone at Xmax the level is
//   112 + 10 log10(pi^3 (4 rho / c) Vd^2 Fb^4 f^4 / ((Fb^2 - f^2)^2 + (f Fb / 7)^2)),
// which depends on Vd, Fb and f alone.

// The level of curve B at f (Hz) for displacement Vd (m^3) and tuning Fb (Hz).
double ExcursionLimitLevel_dB(double Vd, double Fb, double f);

// Fills curve B from the stored Fb and the displacement volume Vd (m^3).
void FillExcursionLimit(BoxDesign& design, double Vd);

// The front chamber's polynomial on the frequency ratio x = f / Fc:
// D(s) = s^4 + a3 s^3 + a2 s^2 + a1 s + h^2 at s = j x, box loss Q 10000.
struct FrontChamberPolynomial {
    double Fc;  // Hz
    double h;   // Fb / Fc
    double a1;
    double a2;
    double a3;

    double Ratio(double f) const { return f / Fc; }  // x
    double RealPart(double x) const;                  // x^4 - a2 x^2 + h^2
    double ImaginaryPart(double x) const;             // a1 x - a3 x^3
    double MagnitudeSquared(double x) const;          // |D(j x)|^2
    // |h^2 - x^2 + j x h / 7|^2: how the port branch carries the cone's volume velocity.
    double PortBranchMagnitude(double x) const;
};

// From the stored single-precision Fb and Vf and the closed-box values.
FrontChamberPolynomial MakeFrontChamberPolynomial(const BoxDesign& design, const MaximumOutput& closedBox);

// The electrical input power that drives the cone to Xmax, frequency by frequency.
struct ExcursionDrive {
    double Pd;    // acoustic watts at Fc with the cone moving Vd
    double eta0;  // reference efficiency
    FrontChamberPolynomial front;

    // Px(f) = (Pd / eta0) |D(j x)|^2 / port-branch magnitude, in W. The cone
    // excursion at power P is then Xmax * sqrt(P / Px(f)).
    double InputPower_W(double f) const;
};

ExcursionDrive MakeExcursionDrive(const BoxDesign& design, const MaximumOutput& maximumOutput);

}  // namespace resonara
