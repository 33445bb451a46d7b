#include "output_response.h"

#include <cmath>
#include <cstddef>

#include "physical_constants.h"

namespace resonara {
namespace {

// Compliance ratios of the driver against the two chambers.
struct ChamberRatios {
    double ar;  // Vas / Vr
    double af;  // Vas / Vf
};

ChamberRatios MakeChamberRatios(const BoxDesign& d) {
    return {d.Vas / static_cast<double>(d.Vr), d.Vas / static_cast<double>(d.Vf)};
}

double AmplitudeLevel_dB(double ratio) { return 20 * std::log10(ratio); }

}  // namespace

SystemPolynomial MakeSystemPolynomial(const BoxDesign& d) {
    const double Fb = d.Fb;
    const double Fs = d.Fs;
    const double Qts = d.Qts;
    const ChamberRatios r = MakeChamberRatios(d);

    SystemPolynomial p{};
    const double inverseFb = 1 / Fb;
    p.c4 = inverseFb * inverseFb;
    p.c3 = ((Fs / Fb) / Qts + kBoxLoss) / Fb;
    p.c2 = ((r.af + r.ar + 1) * Fs / Fb + kBoxLoss / Qts) * Fs / Fb + 1;
    p.c1 = ((r.ar + 1) * (Fs / Fb) * kBoxLoss + 1 / Qts) * Fs;
    p.c0 = Fs * Fs * (r.ar + 1);
    return p;
}

double SystemPolynomial::Level_dB(double f) const {
    const double f2 = f * f;
    const double f3 = f2 * f;
    const double f4 = f3 * f;
    const double real = f4 * c4 - f2 * c2 + c0;
    const double imaginary = f * c1 - f3 * c3;
    return AmplitudeLevel_dB(f2 / std::sqrt(imaginary * imaginary + real * real));
}

// One pass per array: the four varying terms of D(j f), then its real and
// imaginary parts, then the level.
void FillOutputResponse(BoxDesign& design, ResponseWorkspace& w) {
    const SystemPolynomial p = MakeSystemPolynomial(design);
    constexpr std::size_t n = kCurveSamples;

    for (std::size_t i = 0; i < n; ++i) {
        const double f = CurveFrequency_Hz(i);
        w.W2[i] = f * f * f * f * p.c4;
    }
    for (std::size_t i = 0; i < n; ++i) {
        const double f = CurveFrequency_Hz(i);
        w.W3[i] = f * f * f * p.c3;
    }
    for (std::size_t i = 0; i < n; ++i) {
        const double f = CurveFrequency_Hz(i);
        w.W1[i] = f * f * p.c2;
    }
    for (std::size_t i = 0; i < n; ++i) {
        const double f = CurveFrequency_Hz(i);
        w.W4[i] = f * p.c1;
    }
    for (std::size_t i = 0; i < n; ++i) w.W5[i] = w.W2[i] - w.W1[i] + p.c0;  // real part
    for (std::size_t i = 0; i < n; ++i) w.W2[i] = w.W4[i] - w.W3[i];         // imaginary part
    for (std::size_t i = 0; i < n; ++i) {
        const double f = CurveFrequency_Hz(i);
        design.curveA[i] = AmplitudeLevel_dB(f * f / std::sqrt(w.W2[i] * w.W2[i] + w.W5[i] * w.W5[i]));
    }
}

}  // namespace resonara
