#include "port_velocity.h"

#include <cmath>

#include "physical_constants.h"

namespace resonara {
namespace {

constexpr double kTwoPi = 2 * kPi;

}  // namespace

double PortArea_m2(double Dp_cm, double Ports) {
    const double radius_m = Dp_cm * kCentimetresToMetres / 2;
    return Ports * kPi * (radius_m * radius_m);
}

double ConeVolumeVelocity_m3_s(double f_Hz, double excursion_mm, double coneArea_m2) {
    return kTwoPi * f_Hz * (excursion_mm * kMillimetresToMetres) * coneArea_m2;
}

double PortVolumeVelocityRatio(const FrontChamberPolynomial& front, double f_Hz) {
    const double h2 = front.h * front.h;
    return h2 / std::sqrt(front.PortBranchMagnitude(front.Ratio(f_Hz)));
}

double PortAirVelocity_m_s(const FrontChamberPolynomial& front, double f_Hz, double coneVolumeVelocity_m3_s,
                           double portArea_m2) {
    return coneVolumeVelocity_m3_s * PortVolumeVelocityRatio(front, f_Hz) / portArea_m2;
}

}  // namespace resonara
