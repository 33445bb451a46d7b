#pragma once

#include <optional>
#include <string_view>

namespace resonara::fuzz {

// A second statement of how a number field's text reads, written apart from
// engine/number_text.cpp so that the fuzzer can hold the two against each
// other: the grammar as a state machine over character classes, the value
// and its overflow from strtod in the C locale.
//   - only the first 31 characters count; blanks and tabs are skipped at both ends;
//   - [sign] digits [. digits] [e|E [sign] digits], at least one mantissa digit;
//   - exactly "inf", "-inf" and "nan" read as the values they name, and the
//     shown text of the largest doubles, "[-]1.79769313486232e+308", as the
//     largest double;
//   - a zero value passes only when the first non-blank character is '0';
//   - a value beyond the largest double fails; one below the smallest
//     denormal is zero, and then the zero rule decides.
std::optional<double> ReadFieldAsDouble(std::string_view text);

// The double reading rounded to single precision; fails where that rounding
// overflows.
std::optional<float> ReadFieldAsFloat(std::string_view text);

}  // namespace resonara::fuzz
