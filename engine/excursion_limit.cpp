#include "excursion_limit.h"

#include <cmath>
#include <cstddef>

#include "physical_constants.h"

namespace resonara {
namespace {

constexpr double kPiCubed = kPi * kPi * kPi;

double PowerLevel_dB(double ratio) { return 10 * std::log10(ratio); }

// The parts of the closed form that do not change along the curve.
struct ExcursionLimitTerms {
    double Fb;
    double Fb2;
    double scale;  // pi^3 (4 rho / c) Vd^2 Fb^4

    ExcursionLimitTerms(double Vd, double tuning_Hz)
        : Fb(tuning_Hz), Fb2(Fb * Fb), scale(kPiCubed * kRadiationFactor * (Vd * Vd) * (Fb2 * Fb2)) {}

    double Level_dB(double f) const {
        const double f2 = f * f;
        const double detuning = Fb2 - f2;
        const double loss = f * Fb / kPortLossQ;
        return kOneWattLevel_dB + PowerLevel_dB(scale * (f2 * f2) / (detuning * detuning + loss * loss));
    }
};

}  // namespace

double ExcursionLimitLevel_dB(double Vd, double Fb, double f) { return ExcursionLimitTerms(Vd, Fb).Level_dB(f); }

void FillExcursionLimit(BoxDesign& design, double Vd) {
    const ExcursionLimitTerms terms(Vd, design.Fb);
    for (std::size_t i = 0; i < kCurveSamples; ++i) design.curveB[i] = terms.Level_dB(CurveFrequency_Hz(i));
}

double FrontChamberPolynomial::RealPart(double x) const {
    const double x2 = x * x;
    return x2 * x2 - a2 * x2 + h * h;
}

double FrontChamberPolynomial::ImaginaryPart(double x) const { return a1 * x - a3 * (x * x * x); }

double FrontChamberPolynomial::MagnitudeSquared(double x) const {
    const double real = RealPart(x);
    const double imaginary = ImaginaryPart(x);
    return real * real + imaginary * imaginary;
}

double FrontChamberPolynomial::PortBranchMagnitude(double x) const {
    const double x2 = x * x;
    const double h2 = h * h;
    return x2 * x2 - kPortBranchCrossTerm * h2 * x2 + h2 * h2;
}

FrontChamberPolynomial MakeFrontChamberPolynomial(const BoxDesign& design, const MaximumOutput& c) {
    FrontChamberPolynomial p{};
    p.Fc = c.Fc;
    p.h = design.Fb / c.Fc;
    const double h2 = p.h * p.h;
    p.a1 = h2 / c.Qtc + p.h / kBoxLossQ;
    p.a2 = 1 + h2 + c.Vasc / design.Vf + p.h / (kBoxLossQ * c.Qtc);
    p.a3 = 1 / c.Qtc + p.h / kBoxLossQ;
    return p;
}

double ExcursionDrive::InputPower_W(double f) const {
    const double x = front.Ratio(f);
    return Pd / eta0 * front.MagnitudeSquared(x) / front.PortBranchMagnitude(x);
}

ExcursionDrive MakeExcursionDrive(const BoxDesign& design, const MaximumOutput& m) {
    const double Fc2 = m.Fc * m.Fc;
    ExcursionDrive drive{};
    drive.Pd = kPiCubed * kRadiationFactor * (Fc2 * Fc2) * (m.Vd * m.Vd);
    drive.eta0 = m.eta0;
    drive.front = MakeFrontChamberPolynomial(design, m);
    return drive;
}

}  // namespace resonara
