#pragma once

#include "excursion_limit.h"

namespace resonara {

// The open area of all ports together, m^2: Ports circles of diameter Dp (cm).
// Zero ports give no area, and every velocity through it is infinite.
double PortArea_m2(double Dp_cm, double Ports);

// The cone's peak volume velocity, m^3/s, when it swings excursion_mm at f_Hz:
// a sinusoid of peak displacement X has peak speed 2 pi f X.
double ConeVolumeVelocity_m3_s(double f_Hz, double excursion_mm, double coneArea_m2);

// How much of the cone's volume velocity leaves through the port at f_Hz:
// |h^2 / (h^2 - x^2 + j x h / 7)| = h^2 / sqrt(port-branch magnitude),
// unity far below Fb, 7 (the port loss Q) at Fb, falling as 1/x^2 above.
double PortVolumeVelocityRatio(const FrontChamberPolynomial& front, double f_Hz);

// Peak air velocity in the ports, m/s: the ports' volume velocity spread over their area.
double PortAirVelocity_m_s(const FrontChamberPolynomial& front, double f_Hz, double coneVolumeVelocity_m3_s,
                           double portArea_m2);

}  // namespace resonara
