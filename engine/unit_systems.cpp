#include "box_design.h"

namespace resonara {
namespace {

// Metric -> English factors; each English -> metric factor is the
// double-precision reciprocal of its partner, so a round trip multiplies by one
// up to rounding.
constexpr double kLitersToCubicFeet = 0.0353146667;
constexpr double kCubicFeetToLiters = 28.316846609230495;
constexpr double kCentimetresToInches = 0.3937007874;
constexpr double kInchesToCentimetres = 2.5400000000101604;
constexpr double kMillimetresToInches = 1 / 25.4;
constexpr double kInchesToMillimetres = 25.4;
constexpr double kLitersToCubicInches = 61.023744095;
constexpr double kCubicInchesToLiters = 0.01638706399992811;

struct Factors {
    double volume;       // Vas
    double length;       // Diameter, Dp, Lp
    double excursion;    // Xmax
    double boxVolume;    // Vf, Vr
};

constexpr Factors kToEnglish{kLitersToCubicFeet, kCentimetresToInches, kMillimetresToInches, kLitersToCubicInches};
constexpr Factors kToMetric{kCubicFeetToLiters, kInchesToCentimetres, kInchesToMillimetres, kCubicInchesToLiters};

void Scale(float& field, double factor) { field = static_cast<float>(static_cast<double>(field) * factor); }

void Convert(BoxDesign& d, const Factors& f) {
    d.Vas *= f.volume;
    d.Diameter *= f.length;
    d.Xmax *= f.excursion;
    Scale(d.Vf, f.boxVolume);
    Scale(d.Vr, f.boxVolume);
    d.Dp *= f.length;
    Scale(d.Lp, f.length);
}

struct UnitLabels {
    const char* Dp;
    const char* Lp;
    const char* Vas;
    const char* Vf;
    const char* Vr;
    const char* Xmax;
    const char* Diameter;
};

constexpr UnitLabels kEnglishLabels{" in", " in", " ft3", " in3", " in3", " in", " in"};
constexpr UnitLabels kMetricLabels{" cm", " cm", " liters", " liters", " liters", " mm", " cm"};

}  // namespace

void BoxDesign::ConvertToEnglish() { Convert(*this, kToEnglish); }

void BoxDesign::ConvertToMetric() { Convert(*this, kToMetric); }

void BoxDesign::SetUnitLabels(UnitSystem system) {
    const UnitLabels& labels = system == UnitSystem::English ? kEnglishLabels : kMetricLabels;
    DpLabel = labels.Dp;
    LpLabel = labels.Lp;
    VasLabel = labels.Vas;
    VfLabel = labels.Vf;
    VrLabel = labels.Vr;
    XmaxLabel = labels.Xmax;
    DiameterLabel = labels.Diameter;
}

}  // namespace resonara
