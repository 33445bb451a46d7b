#include "field_text_rule.h"

#include <cerrno>
#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <limits>
#include <string>

#include "check.h"

namespace resonara::fuzz {
namespace {

constexpr std::size_t kCountedCharacters = 31;
constexpr std::string_view kBlanks = " \t";

// Half-way between FLT_MAX and 2^128: a double from here up rounds to an
// infinite float (FLT_MAX has an odd last bit, so the tie goes up too).
constexpr double kFloatOverflowFrom = 0x1.ffffffp+127;

enum CharClass { kBlank, kSign, kDigit, kPoint, kExponentMark, kOther, kClassCount };

enum State {
    kLeading,         // blanks before the number
    kSigned,          // after the mantissa's sign
    kInteger,         // in the integer digits
    kLonePoint,       // a point with no digit before it yet
    kFraction,        // after a point that follows or precedes a digit
    kExponent,        // after 'e' or 'E'
    kExponentSigned,  // after the exponent's sign
    kExponentDigits,  // in the exponent digits
    kTrailing,        // blanks after a complete number
    kRefused,
    kStateCount
};

// kNext[state][class of the next character].
constexpr State kNext[kStateCount][kClassCount] = {
    //                     kBlank     kSign            kDigit           kPoint      kExponentMark kOther
    /* kLeading */        {kLeading,  kSigned,         kInteger,        kLonePoint, kRefused,     kRefused},
    /* kSigned */         {kRefused,  kRefused,        kInteger,        kLonePoint, kRefused,     kRefused},
    /* kInteger */        {kTrailing, kRefused,        kInteger,        kFraction,  kExponent,    kRefused},
    /* kLonePoint */      {kRefused,  kRefused,        kFraction,       kRefused,   kRefused,     kRefused},
    /* kFraction */       {kTrailing, kRefused,        kFraction,       kRefused,   kExponent,    kRefused},
    /* kExponent */       {kRefused,  kExponentSigned, kExponentDigits, kRefused,   kRefused,     kRefused},
    /* kExponentSigned */ {kRefused,  kRefused,        kExponentDigits, kRefused,   kRefused,     kRefused},
    /* kExponentDigits */ {kTrailing, kRefused,        kExponentDigits, kRefused,   kRefused,     kRefused},
    /* kTrailing */       {kTrailing, kRefused,        kRefused,        kRefused,   kRefused,     kRefused},
    /* kRefused */        {kRefused,  kRefused,        kRefused,        kRefused,   kRefused,     kRefused},
};

// A text ending in one of these states is a whole number.
constexpr bool kComplete[kStateCount] = {
    false, false, true, false, true, false, false, true, true, false,
};

CharClass ClassOf(char c) {
    switch (c) {
        case ' ':
        case '\t': return kBlank;
        case '+':
        case '-': return kSign;
        case '.': return kPoint;
        case 'e':
        case 'E': return kExponentMark;
        default: return (c >= '0' && c <= '9') ? kDigit : kOther;
    }
}

bool IsDecimalNumber(std::string_view text) {
    State state = kLeading;
    for (const char c : text) {
        state = kNext[state][ClassOf(c)];
    }
    return kComplete[state];
}

std::string_view WithoutBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::optional<double> NamedNonFinite(std::string_view number) {
    if (number == "inf") {
        return std::numeric_limits<double>::infinity();
    }
    if (number == "-inf") {
        return -std::numeric_limits<double>::infinity();
    }
    if (number == "nan") {
        return std::numeric_limits<double>::quiet_NaN();
    }
    // The largest doubles show a text just beyond the largest double.
    if (number == "1.79769313486232e+308") {
        return std::numeric_limits<double>::max();
    }
    if (number == "-1.79769313486232e+308") {
        return -std::numeric_limits<double>::max();
    }
    return std::nullopt;
}

// strtod of a text the grammar accepted; nothing on overflow. Underflow is
// reported by strtod too, but its value (a denormal or zero) stands.
std::optional<double> ValueOf(std::string_view number) {
    const std::string text(number);
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size()) {
        Fail("the reading rule's grammar passed " + Quoted(number) + ", which strtod does not read whole");
    }
    if (errno == ERANGE && std::isinf(value)) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

std::optional<double> ReadFieldAsDouble(std::string_view text) {
    const std::string_view counted = text.substr(0, kCountedCharacters);
    const std::string_view number = WithoutBlanks(counted);
    if (const auto named = NamedNonFinite(number)) {
        return named;
    }
    if (!IsDecimalNumber(counted)) {
        return std::nullopt;
    }
    const auto value = ValueOf(number);
    if (!value || (*value == 0 && number.front() != '0')) {
        return std::nullopt;
    }
    return value;
}

std::optional<float> ReadFieldAsFloat(std::string_view text) {
    const auto value = ReadFieldAsDouble(text);
    if (!value) {
        return std::nullopt;
    }
    if (std::isfinite(*value) && std::fabs(*value) >= kFloatOverflowFrom) {
        return std::nullopt;
    }
    return static_cast<float>(*value);
}

}  // namespace resonara::fuzz
