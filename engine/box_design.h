#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace resonara {

// Every response curve is sampled at each whole hertz from 10 Hz to 999 Hz.
inline constexpr std::size_t kCurveSamples = 990;
inline constexpr int kFirstFrequency_Hz = 10;

// Sample i of a curve belongs to this frequency.
constexpr double CurveFrequency_Hz(std::size_t i) { return static_cast<double>(kFirstFrequency_Hz + static_cast<int>(i)); }

// 990 levels in dB, sample i at CurveFrequency_Hz(i).
using ResponseCurve = std::array<double, kCurveSamples>;

enum class UnitSystem { English, Metric };

// The one record of a bandpass design. Plain data: the window exchanges the
// first 28 fields with its controls, the engine fills the results and curves.
// Constructed, everything is zero and every text empty; ApplyStartupValues()
// gives it the values a fresh window shows.
struct BoxDesign {
    // Option flags, each 0 or 1.
    int outputResponse = 0;  // 1 selects the output-response chart
    int powerResponse = 0;   // 1 selects the power-response chart
    int s05 = 0;             // S option 0.5
    int s06 = 0;             // S option 0.6
    int s07 = 0;             // S option 0.7

    // Inputs; unit-bearing ones in the unit system the flags below name.
    double Diameter = 0;  // cone diameter, cm | in
    double Dp = 0;        // port diameter, cm | in
    double Fs = 0;        // free-air resonance, Hz
    double Gain = 0;      // passband gain, dB
    double Ports = 0;     // number of ports; fractional counts are used as typed
    double Pmax = 0;      // thermal power rating, W
    double Qes = 0;
    double Qts = 0;
    double Vas = 0;       // liters | ft3
    double Xmax = 0;      // linear excursion, mm | in

    // Results, single precision: each is stored the moment it is computed and
    // later steps read Fb, Vf and Vr back in this precision.
    float Vr = 0;  // rear (sealed) chamber, liters | in3
    float Vf = 0;  // front (ported) chamber, liters | in3
    float Fb = 0;  // front chamber tuning, Hz
    float Fl = 0;  // lower -3 dB edge, Hz
    float Fh = 0;  // upper -3 dB edge, Hz
    float Lp = 0;  // port length, cm | in

    // Unit label texts shown beside the unit-bearing fields, each with its leading blank.
    std::string DpLabel;
    std::string LpLabel;
    std::string VasLabel;
    std::string VfLabel;
    std::string VrLabel;
    std::string XmaxLabel;
    std::string DiameterLabel;

    int calculated = 0;  // 1 once a run has passed validation; never set back

    ResponseCurve curveA{};  // output response
    ResponseCurve curveB{};  // excursion-limited maximum output
    ResponseCurve curveC{};  // thermal limit at Pmax

    bool english = false;
    bool metric = false;

    // The values of a freshly started window: metric, S 0.7, output chart.
    // Gain and the curves keep what they hold.
    void ApplyStartupValues();

    // Multiply the seven unit-bearing fields by their conversion factors.
    // Float fields are widened, multiplied and stored back in single precision.
    // Neither changes the unit flags or labels.
    void ConvertToEnglish();
    void ConvertToMetric();

    void SetUnitLabels(UnitSystem system);
};

}  // namespace resonara
