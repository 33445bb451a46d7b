#pragma once

#include "box_design.h"

namespace resonara {

// What the driver does at its rated power Pmax, frequency by frequency on the
// curve grid (sample i at CurveFrequency_Hz(i)). Neither curve is part of the
// record: both are worked out again from a finished run.
struct RatedPowerCurves {
    ResponseCurve coneExcursion_mm{};  // peak cone excursion, mm (not dB)
    ResponseCurve portVelocity_m_s{};  // peak air velocity in the ports, m/s (not dB)
};

// From a record after a calculation run that passed validation, in either unit
// system: a metric copy of it yields what the run had at hand (the closed-box
// values, Vd, eta0, the front-chamber polynomial) and the two curves follow.
// Non-finite inputs (an infinite or negative Vr, zero ports) give non-finite
// samples, never a failure.
RatedPowerCurves ComputeRatedPowerCurves(const BoxDesign& design);

}  // namespace resonara
