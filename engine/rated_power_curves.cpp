#include "rated_power_curves.h"

#include <cstddef>

#include "cone_excursion.h"
#include "excursion_limit.h"
#include "maximum_output.h"
#include "port_velocity.h"

namespace resonara {

RatedPowerCurves ComputeRatedPowerCurves(const BoxDesign& design) {
    BoxDesign metric = design;
    if (!metric.metric) metric.ConvertToMetric();
    // Recomputes curve C of the copy from its curve A, exactly as the run did.
    const MaximumOutput maximumOutput = FillMaximumOutput(metric);
    const ExcursionDrive drive = MakeExcursionDrive(metric, maximumOutput);
    const double coneArea_m2 = ConeArea_m2(metric.Diameter);
    const double portArea_m2 = PortArea_m2(metric.Dp, metric.Ports);

    RatedPowerCurves curves;
    for (std::size_t i = 0; i < kCurveSamples; ++i) {
        const double f = CurveFrequency_Hz(i);
        const double excursion_mm = ConeExcursion_mm(drive, metric.Xmax, metric.Pmax, f);
        const double coneVolumeVelocity = ConeVolumeVelocity_m3_s(f, excursion_mm, coneArea_m2);
        curves.coneExcursion_mm[i] = excursion_mm;
        curves.portVelocity_m_s[i] = PortAirVelocity_m_s(drive.front, f, coneVolumeVelocity, portArea_m2);
    }
    return curves;
}

}  // namespace resonara
