#pragma once

#include "box_design.h"

namespace resonara {

struct PortCheck {
    double Dmin;       // smallest port diameter free of port noise, cm
    bool warningDue;   // Dmin strictly above Dp; never when Dmin is NaN
};

// Stores the port length Lp that tunes Vf to Fb with Ports ports of diameter Dp
// and checks Dp against the minimum diameter for the displacement volume Vd (m^3).
// REQUIRES: the record in metric units with Fb and Vf stored.
// Neither Dp nor Ports is checked: 0 ports give an infinite Dmin, negative ones a NaN.
PortCheck DesignPort(BoxDesign& design, double Vd);

}  // namespace resonara
