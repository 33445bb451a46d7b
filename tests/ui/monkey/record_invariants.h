#pragma once

#include "findings.h"

namespace resonara {
struct BoxCalcFields;
struct BoxDesign;
}  // namespace resonara

namespace resonara::monkey {

// Commands that only show or open something (help, website, the Box
// Calculator, About, painting) and typing leave the record as it was: every
// field, flag, text and curve sample bit for bit.
void CheckRecordUnchanged(const BoxDesign& before, const BoxDesign& after, Findings& findings);

// Closing the Box Calculator takes nothing from its fields: what it holds
// is what its opening or its last "Calculate" left.
void CheckBoxFieldsUnchanged(const BoxCalcFields& before, const BoxCalcFields& after, Findings& findings);

}  // namespace resonara::monkey
