#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace resonara {

// How a number field's text is written and read back; shared by the window's
// data exchange and the command line. Independent of the C locale.

// "%.15g" of the value; non-finite values as "inf", "-inf" and "nan", and
// negative zero as "0" so that every text written reads back.
std::string FormatDouble(double value);
// "%.6g" of the value, with the same non-finite texts.
std::string FormatFloat(float value);

// The text of a double field, or nothing when it does not parse:
//  - only the first 31 characters count;
//  - blanks and tabs are skipped at both ends;
//  - the rest must be a whole decimal floating-point number, optional sign
//    and exponent; hexadecimal and other spellings fail;
//  - a zero value passes only when the first non-blank character is '0',
//    so "", "-0" and "+0" fail;
//  - "inf", "-inf" and "nan" read back as the values they show, and so does
//    the text written for the largest doubles, "1.79769313486232e+308"
//    (15 digits round it past the largest double) and its negative;
//  - a finite text whose value overflows the type fails.
std::optional<double> ParseDouble(std::string_view text);
// The same for a float field; the value is rounded to single precision.
std::optional<float> ParseFloat(std::string_view text);

}  // namespace resonara
