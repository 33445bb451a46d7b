#include "maximum_output.h"

#include <cmath>
#include <cstddef>

#include "physical_constants.h"

namespace resonara {
namespace {

double PowerLevel_dB(double ratio) { return 10 * std::log10(ratio); }

double DisplacementVolume_m3(const BoxDesign& d) {
    const double diameter_m = d.Diameter * kCentimetresToMetres;
    return diameter_m * diameter_m * kQuarterPi * d.Xmax * kMillimetresToMetres;
}

// Algebraically 9.64e-10 * Fs^3 * Vas / Qes: the driver's alone.
double ReferenceEfficiency(const MaximumOutput& m) {
    return m.Fc * m.Fc * m.Fc * kEfficiencyDecade * m.Vasc * kEfficiencyFactor / m.Qec;
}

}  // namespace

MaximumOutput ClosedBoxValues(const BoxDesign& d, double Vr) {
    MaximumOutput m{};
    if (std::isinf(Vr)) {
        // The limit of the formulas below; taken literally they give inf/inf.
        m.Qtc = d.Qts;
        m.Fc = d.Fs;
        m.Vasc = d.Vas;
        m.Qec = d.Qes;
        return m;
    }
    m.Qtc = d.Qts * std::sqrt((Vr + d.Vas) / Vr);
    m.Fc = m.Qtc * d.Fs / d.Qts;
    m.Vasc = Vr * d.Vas / (Vr + d.Vas);
    m.Qec = m.Qtc * d.Qes / d.Qts;
    return m;
}

MaximumOutput FillMaximumOutput(BoxDesign& design) {
    MaximumOutput m = ClosedBoxValues(design, design.Vr);
    m.Vd = DisplacementVolume_m3(design);
    m.eta0 = ReferenceEfficiency(m);
    m.SPL1 = PowerLevel_dB(m.eta0) + kOneWattLevel_dB;
    m.SPLth = m.SPL1 + PowerLevel_dB(design.Pmax);
    for (std::size_t i = 0; i < kCurveSamples; ++i) design.curveC[i] = m.SPLth + design.curveA[i];
    return m;
}

}  // namespace resonara
