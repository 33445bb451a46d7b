#pragma once

#include "excursion_limit.h"

namespace resonara {

// The cone's radiating area, m^2, from its diameter in cm: the same area that
// makes the displacement volume Vd = area * Xmax.
double ConeArea_m2(double Diameter_cm);

// Peak cone excursion, mm, at input power P_W and frequency f_Hz. The drive
// reaches Xmax at the power Px(f); excursion follows the drive voltage, which
// goes with the square root of the power, so it is Xmax * sqrt(P / Px(f)).
// Where this exceeds Xmax at Pmax, the cone limits the output before the
// thermal rating does: exactly where curve B lies below curve C.
double ConeExcursion_mm(const ExcursionDrive& drive, double Xmax_mm, double P_W, double f_Hz);

}  // namespace resonara
