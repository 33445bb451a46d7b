#pragma once

#include "box_design.h"

namespace resonara {

// The alignment option S with its passband shape coefficient b.
struct AlignmentOption {
    double S;
    double b;
};

// The pair of the S option flag that is set. Flags are tried in the order
// 0.5, 0.6, 0.7 and each set one overrides the last, so with several set the
// largest S wins; with none set the start-up option 0.7 is taken.
AlignmentOption ChooseAlignmentOption(const BoxDesign& design);

// Sizes the bandpass box for the driver: stores Fl, Fh, Fb, Vf and Vr (single
// precision) and returns the passband Q Qbp, which the record does not hold.
// REQUIRES: the record in metric units.
// Qbp equal to Qts gives an infinite Vr, Qbp below Qts a negative one; both are
// stored as they come.
double ComputeAlignment(BoxDesign& design, AlignmentOption option);

}  // namespace resonara
