#pragma once

#include "box_calc_dlg.h"

namespace resonara::testing {

// The Box Calculator's twelve labels as each unit system shows them.
struct BoxLabelShown {
    int control;
    const char* metric;
    const char* english;
};

inline constexpr BoxLabelShown kBoxLabelsShown[] = {
    {kBoxVfLabel, "Vf (liter):", "Vf (in3):"},
    {kBoxVrLabel, "Vr (liter):", "Vr (in3):"},
    {kBoxPortVolumeLabel, "Port Volume (liter):", "Port Volume (in3):"},
    {kBoxAddlVfLabel, "Addl. Vf (liter):", "Addl. Vf (in3):"},
    {kBoxAddlVrLabel, "Addl. Vr (liter):", "Addl. Vr (in3):"},
    {kBoxTotalVfLabel, "Total Vf (liter):", "Total Vf (in3):"},
    {kBoxTotalVrLabel, "Total Vr (liter):", "Total Vr (in3):"},
    {kBoxTotalVolumeLabel, "Total Volume (liter):", "Total Volume (in3):"},
    {kBoxLengthLabel, "Length (cm):", "Length (in):"},
    {kBoxWidthLabel, "Width (cm):", "Width (in):"},
    {kBoxFrontDepthLabel, "Front Depth (cm):", "Front Depth (in):"},
    {kBoxRearDepthLabel, "Rear Depth (cm):", "Rear Depth (in):"},
};

}  // namespace resonara::testing
