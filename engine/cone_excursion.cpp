#include "cone_excursion.h"

#include <cmath>

#include "physical_constants.h"

namespace resonara {

double ConeArea_m2(double Diameter_cm) {
    const double diameter_m = Diameter_cm * kCentimetresToMetres;
    return diameter_m * diameter_m * kQuarterPi;
}

double ConeExcursion_mm(const ExcursionDrive& drive, double Xmax_mm, double P_W, double f_Hz) {
    return Xmax_mm * std::sqrt(P_W / drive.InputPower_W(f_Hz));
}

}  // namespace resonara
