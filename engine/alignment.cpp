#include "alignment.h"

#include <cmath>

namespace resonara {
namespace {

struct OptionRow {
    int BoxDesign::*flag;
    AlignmentOption option;
};

constexpr OptionRow kOptionRows[] = {
    {&BoxDesign::s05, {0.5, 1.2712}},
    {&BoxDesign::s06, {0.6, 0.956}},
    {&BoxDesign::s07, {0.7, 0.7206}},
};

constexpr AlignmentOption kStartupOption{0.7, 0.7206};

// Gain in dB raises Qbp by 10^(Gain/40).
constexpr double kGainExponent_per_dB = 0.025;

}  // namespace

AlignmentOption ChooseAlignmentOption(const BoxDesign& design) {
    AlignmentOption chosen = kStartupOption;
    for (const OptionRow& row : kOptionRows) {
        if (design.*row.flag == 1) chosen = row.option;
    }
    return chosen;
}

double ComputeAlignment(BoxDesign& design, AlignmentOption option) {
    const double S = option.S;
    const double b = option.b;
    const double Qts = design.Qts;
    const double Fs = design.Fs;
    const double Vas = design.Vas;

    const double Qbp = 1 / (2 * S * std::pow(10.0, -kGainExponent_per_dB * design.Gain));

    const double Fl = ((std::sqrt(b * b + 4 * (Qbp * Qbp)) - b) / 2) * Fs / Qts;
    design.Fl = static_cast<float>(Fl);
    design.Fh = static_cast<float>(Fl + b * Fs / Qts);
    design.Fb = static_cast<float>(Qbp * Fs / Qts);

    const double frontScale = 2 * S * Qts;
    design.Vf = static_cast<float>(frontScale * frontScale * Vas);

    const double qRatio = Qbp / Qts;
    design.Vr = static_cast<float>(Vas / (qRatio * qRatio - 1));
    return Qbp;
}

}  // namespace resonara
