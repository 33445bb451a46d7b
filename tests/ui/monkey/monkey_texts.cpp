#include "monkey_texts.h"

#include <cstdio>
#include <string_view>

namespace resonara::monkey {
namespace {

// Texts at the edges of what a field reads: empty and blank, zeros in every
// spelling, the largest and smallest doubles and floats and beyond, the
// 31-character limit, the non-finite words and look-alikes that are not
// numbers. UTF-8 throughout.
constexpr std::string_view kEdgeTexts[] = {
    "",
    " ",
    "\t",
    " \t \t ",
    "0",
    "-0",
    "+0",
    "0.0",
    "00",
    "0e5",
    " 0 ",
    "-0.0",
    "1",
    "-1",
    "0.342",
    "-0.342",
    "186.16",
    "-186.16",
    "500",
    "1e308",
    "-1e308",
    "1.7976931348623157e308",
    "-1.7976931348623157e308",
    "1.79769313486232e308",
    "1e309",
    "1e-300",
    "-1e-300",
    "1e-320",
    "4.9e-324",
    "1e-400",
    "3.4028235e38",
    "3.5e38",
    "-3.5e38",
    "1e-45",
    "1e-46",
    "1.00000000000000000000000000001",      // 31 characters
    "1.000000000000000000000000000001x",    // cut to 31 characters, before the junk
    "123456789012345678901234567890123",   // 33 digits, cut to 31
    "                              7",      // 31 characters, the digit last
    "                               7",     // the digit 32nd, cut off
    "inf",
    "-inf",
    "+inf",
    "nan",
    "-nan",
    "NaN",
    "Inf",
    "infinity",
    "µ",
    "½",
    "1½",
    "12µ",
    "€5",
    "١٢",
    "abc",
    "1,5",
    "1.5.5",
    "0x10",
    "1e",
    "e5",
    ".",
    "-",
    "+",
    ".5",
    "5.",
    "1e+",
    " 42 ",
    "\t24\t",
    "24\n",
};

constexpr std::string_view kJunkPieces[] = {
    "0", "1", "2", "5", "7", "9", ".", "e", "E", "-", "+", " ", "\t", "x", "µ", "½", "inf", "nan", ",", "é",
};

constexpr int kLongestJunkPieces = 40;
constexpr int kLongestMantissaDigits = 20;
constexpr int kLargestExponent = 330;

std::string RandomNumber(Dice& dice) {
    std::string text = dice.Chance(40) ? "-" : "";
    const int digits = 1 + dice.Below(kLongestMantissaDigits);
    const int point = dice.Below(digits + 1);
    for (int i = 0; i < digits; ++i) {
        if (i == point && i > 0) text += '.';
        text += static_cast<char>('0' + dice.Below(10));
    }
    if (dice.Chance(50)) text += "e" + std::to_string(dice.Below(2 * kLargestExponent + 1) - kLargestExponent);
    return text;
}

std::string RandomJunk(Dice& dice) {
    std::string text;
    const int pieces = dice.Below(kLongestJunkPieces + 1);
    for (int i = 0; i < pieces; ++i) text += dice.Pick(std::span<const std::string_view>(kJunkPieces));
    return text;
}

}  // namespace

std::string RandomFieldText(Dice& dice) {
    const int kind = dice.Below(10);
    if (kind < 4) return std::string(dice.Pick(std::span<const std::string_view>(kEdgeTexts)));
    if (kind < 8) return RandomNumber(dice);
    return RandomJunk(dice);
}

}  // namespace resonara::monkey
