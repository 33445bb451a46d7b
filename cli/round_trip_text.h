#pragma once

#include <string>

namespace resonara {

// Texts that read back as the very same value: "%.17g" of a double and
// "%.9g" of a float, C locale whatever the process locale; non-finite
// values as "inf", "-inf" and "nan".
std::string RoundTripText(double value);
std::string RoundTripText(float value);

// The shortest text that reads back as the same double ("0.342" where
// "%.17g" gives "0.34200000000000003"), with the same non-finite texts.
std::string ShortestText(double value);

}  // namespace resonara
