#include "box_design.h"

namespace resonara {

void BoxDesign::ApplyStartupValues() {
    outputResponse = 1;
    powerResponse = 0;
    s05 = 0;
    s06 = 0;
    s07 = 1;
    Diameter = 30.38;
    Dp = 16;
    Fs = 24;
    Ports = 1;
    Pmax = 500;
    Qes = 0.353;
    Qts = 0.342;
    Vas = 186.16;
    Xmax = 6;
    Vr = 0;
    Vf = 0;
    Fb = 0;
    Fl = 0;
    Fh = 0;
    Lp = 0;
    SetUnitLabels(UnitSystem::Metric);
    calculated = 0;
    english = false;
    metric = true;
}

}  // namespace resonara
