#pragma once

namespace resonara {

// The engine's physical constants. Values are kept at the precision the design
// has always used (pi as 3.14159, for one) because the results are compared digit
// for digit with earlier designs.

inline constexpr double kPi = 3.14159;
inline constexpr double kQuarterPi = 0.7853975;  // kPi / 4, for a circle's area from its diameter

inline constexpr double kAirDensity_kg_m3 = 1.18;
inline constexpr double kSpeedOfSound_m_s = 345;
// 4 * density / speed of sound, in kg/(m^4 s); with pi^3 * f^4 * Vd^2 it gives the watts a
// piston of peak volume displacement Vd (m^3) radiates into half space.
inline constexpr double kRadiationFactor = 0.013681159420289855;
static_assert(kRadiationFactor == 4 * kAirDensity_kg_m3 / kSpeedOfSound_m_s);

// Reference efficiency 9.64e-10 * Fs^3 * Vas / Qes (Vas in liters), the classic
// 4 pi^2 / c^3. The two factors are applied apart, in the order the formula is written.
inline constexpr double kEfficiencyDecade = 1e-10;
inline constexpr double kEfficiencyFactor = 9.64;

// Sound pressure level at 1 m of one acoustic watt radiated into half space.
inline constexpr double kOneWattLevel_dB = 112;

// Leakage and absorption losses of the front chamber, as a loss Q, and its reciprocal.
inline constexpr double kBoxLossQ = 10000;
inline constexpr double kBoxLoss = 0.0001;
static_assert(kBoxLoss == 1 / kBoxLossQ);

// Loss Q of the port branch; the branch magnitude x^4 - (2 - 1/Qp^2) h^2 x^2 + h^4 uses the folded constant.
inline constexpr double kPortLossQ = 7;
inline constexpr double kPortBranchCrossTerm = 1.9795918367346939;
static_assert(kPortBranchCrossTerm == 2 - 1 / (kPortLossQ * kPortLossQ));

inline constexpr double kCentimetresToMetres = 0.01;
inline constexpr double kMillimetresToMetres = 0.001;
inline constexpr double kMetresToCentimetres = 100;

}  // namespace resonara
