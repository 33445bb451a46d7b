#pragma once

#include <string>

#include "dice.h"

namespace resonara::monkey {

// A text a user might type or paste into a number field: an edge case from a
// fixed list, a random well-formed number (any sign, tiny to huge exponents)
// or random junk of digits, signs, blanks, tabs, letters and non-ASCII.
std::string RandomFieldText(Dice& dice);

}  // namespace resonara::monkey
