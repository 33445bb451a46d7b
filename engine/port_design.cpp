#include "port_design.h"

#include <cmath>

#include "physical_constants.h"

namespace resonara {
namespace {

// Helmholtz tuning of a round port, c^2 / (16 pi) with lengths in cm and the volume in liters.
constexpr double kPortTuning = 23562.5;
// End correction of a port, in port diameters.
constexpr double kPortEndCorrection = 0.732;
// Minimum port diameter in m per (Vd^2 / Fb)^(1/4), Vd in m^3.
constexpr double kMinimumPortFactor = 20.3;

double PortLength_cm(const BoxDesign& d) {
    const double Fb = d.Fb;
    return d.Dp * d.Dp * d.Ports * kPortTuning / (Fb * Fb * d.Vf) - kPortEndCorrection * d.Dp;
}

double MinimumPortDiameter_cm(const BoxDesign& d, double Vd) {
    return std::pow(Vd * Vd / d.Fb, 0.25) * kMinimumPortFactor * kMetresToCentimetres / std::sqrt(d.Ports);
}

}  // namespace

PortCheck DesignPort(BoxDesign& design, double Vd) {
    design.Lp = static_cast<float>(PortLength_cm(design));
    const double Dmin = MinimumPortDiameter_cm(design, Vd);
    return {Dmin, Dmin > design.Dp};
}

}  // namespace resonara
