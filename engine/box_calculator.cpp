#include "box_calculator.h"

#include <cmath>

namespace resonara {
namespace {

constexpr double kPi = 3.14159;
constexpr double kCubicCentimetresPerLiter = 1000;
constexpr double kLitersPerCubicCentimetre = 0.001;
// Not an exact third: the box edge is the total volume raised to this power.
constexpr double kCubeRootExponent = 0.333333333;
constexpr double kWidthPerLength = 1.62;

// Metric volumes are in liters but lengths in cm, so a volume takes this
// factor before it meets a length; English volumes and lengths are both inches.
double CubicLengthsPerVolume(const BoxCalculation& box) { return box.english ? 1 : kCubicCentimetresPerLiter; }

float PortVolume(const BoxCalculation& box) {
    const double radius = box.Dp * 0.5;
    double volume = radius * radius * box.Lp * kPi * box.Ports;
    if (!box.english) volume *= kLitersPerCubicCentimetre;
    return static_cast<float>(volume);
}

void ComputeDepths(BoxCalculation& box) {
    const double scale = CubicLengthsPerVolume(box);
    const double length = box.length;
    const double width = box.width;
    box.frontDepth = static_cast<float>(box.totalVf * scale / (length * width));
    box.rearDepth = static_cast<float>(box.totalVr * scale / length / width);
}

}  // namespace

void CopyDesignInto(BoxCalculation& box, const BoxDesign& design) {
    box.Vf = design.Vf;
    box.Vr = design.Vr;
    box.Lp = design.Lp;
    box.Dp = design.Dp;
    box.Ports = design.Ports;
    box.english = design.english;
}

void ComputeBoxOnOpening(BoxCalculation& box) {
    const double Vf = box.Vf;
    const double Vr = box.Vr;
    const double addlVf = box.addlVf;
    const double addlVr = box.addlVr;

    box.portVolume = PortVolume(box);
    const double portVolume = box.portVolume;
    box.totalVf = static_cast<float>((portVolume + addlVf) + Vf);
    box.totalVr = static_cast<float>(Vr + addlVr);
    box.totalVolume = static_cast<float>((portVolume + ((addlVf + Vr) + addlVr)) + Vf);
    box.length = static_cast<float>(std::pow(box.totalVolume * CubicLengthsPerVolume(box), kCubeRootExponent));
    box.width = static_cast<float>(box.length * kWidthPerLength);
    ComputeDepths(box);
}

void RecomputeBoxDepths(BoxCalculation& box) {
    const double Vf = box.Vf;
    const double Vr = box.Vr;
    const double portVolume = box.portVolume;
    const double addlVf = box.addlVf;
    const double addlVr = box.addlVr;

    box.totalVf = static_cast<float>((Vf + portVolume) + addlVf);
    box.totalVr = static_cast<float>(Vr + addlVr);
    box.totalVolume = static_cast<float>((((Vf + Vr) + addlVr) + portVolume) + addlVf);
    ComputeDepths(box);
}

}  // namespace resonara
