#pragma once

#include "box_design.h"

namespace resonara {

// The figures of the Box Calculator, in the unit system in force: volumes in
// liters or cubic inches, lengths in cm or inches. The window and the command
// line both compute through the two functions below.
//
// Arithmetic runs in double precision from these float fields and each result
// is stored as a float the moment it is computed; later steps read the stored
// value, so the order of the steps is part of the result.
struct BoxCalculation {
    // Copied from the design before each opening.
    double Dp = 0;
    double Lp = 0;
    bool english = false;
    double Ports = 0;

    float Vf = 0;
    float Vr = 0;
    float portVolume = 0;
    float totalVolume = 0;
    float length = 0;
    float width = 0;
    float frontDepth = 0;
    float rearDepth = 0;
    float addlVf = 0;  // kept between openings
    float addlVr = 0;  // kept between openings
    float totalVf = 0;
    float totalVr = 0;
};

// What the Box Calculator takes from the design each time it opens: Vf, Vr,
// Lp (widened), Dp, Ports and the unit system, from the record as it stands.
// The additional volumes and the figures are left as they are.
void CopyDesignInto(BoxCalculation& box, const BoxDesign& design);

// On opening: the port volume, the totals, a box of Length by 1.62 Length
// holding the total volume, and the two chamber depths.
void ComputeBoxOnOpening(BoxCalculation& box);

// On "Calculate": totals and depths again from the fields as the user left
// them; port volume, Length and Width are taken as they stand.
void RecomputeBoxDepths(BoxCalculation& box);

}  // namespace resonara
