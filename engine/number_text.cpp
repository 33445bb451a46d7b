#include "number_text.h"

#include <charconv>
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <limits>
#include <system_error>

namespace resonara {
namespace {

// A field's text is cut to this many characters before it is read.
constexpr std::size_t kFieldTextLimit = 31;

// Significant digits shown for a double and for a float field.
constexpr int kDoubleDigits = 15;
constexpr int kFloatDigits = 6;

// Room for the longest "%.15g" text, "-1.23456789012345e-308", and its terminator.
constexpr std::size_t kFormatBufferSize = 32;

constexpr std::string_view kInfText = "inf";
constexpr std::string_view kMinusInfText = "-inf";
constexpr std::string_view kNanText = "nan";

std::string NonFiniteText(double value) {
    if (std::isnan(value)) {
        return std::string(kNanText);
    }
    return std::string(value < 0 ? kMinusInfText : kInfText);
}

// "%.*g" in the C locale: std::to_chars in general format with a precision
// is defined to give exactly that text, whatever the process locale is.
std::string FormatSignificant(double value, int digits) {
    if (!std::isfinite(value)) {
        return NonFiniteText(value);
    }
    // Negative zero shows as "0": "-0" would not read back (a zero must start
    // with the digit 0), and one such result would block every later exchange.
    if (value == 0) {
        value = 0.0;
    }
    char buffer[kFormatBufferSize];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, digits);
    return std::string(buffer, result.ptr);
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// Texts the fields themselves write that the decimal rule would refuse: the
// non-finite values, and the 15-digit text of the largest doubles, which
// rounds just past the largest double and would otherwise overflow. Each
// reads back as the value it shows, so a shown value never blocks a later
// exchange.
struct ShownText {
    std::string_view text;
    double value;
};

constexpr ShownText kShownTexts[] = {
    {kInfText, HUGE_VAL},
    {kMinusInfText, -HUGE_VAL},
    {kNanText, std::numeric_limits<double>::quiet_NaN()},
    {"1.79769313486232e+308", DBL_MAX},
    {"-1.79769313486232e+308", -DBL_MAX},
};

std::optional<double> ReadShownText(std::string_view text) {
    for (const ShownText& shown : kShownTexts) {
        if (text == shown.text) return shown.value;
    }
    return std::nullopt;
}

// A trimmed field text that has the shape of a decimal number:
// [+|-] digits [. digits] [(e|E) [+|-] digits], with at least one mantissa digit.
struct DecimalText {
    bool negative = false;
    bool negativeExponent = false;
    std::string_view unsignedText;  // the text without its sign, as std::from_chars takes it
};

std::size_t SkipDigits(std::string_view text, std::size_t pos) {
    while (pos < text.size() && IsDigit(text[pos])) {
        ++pos;
    }
    return pos;
}

std::optional<DecimalText> ScanDecimal(std::string_view text) {
    DecimalText decimal;
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        decimal.negative = text[pos] == '-';
        ++pos;
    }
    decimal.unsignedText = text.substr(pos);

    const std::size_t integerEnd = SkipDigits(text, pos);
    std::size_t mantissaDigits = integerEnd - pos;
    pos = integerEnd;
    if (pos < text.size() && text[pos] == '.') {
        const std::size_t fractionEnd = SkipDigits(text, pos + 1);
        mantissaDigits += fractionEnd - (pos + 1);
        pos = fractionEnd;
    }
    if (mantissaDigits == 0) {
        return std::nullopt;
    }

    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
            decimal.negativeExponent = text[pos] == '-';
            ++pos;
        }
        const std::size_t exponentEnd = SkipDigits(text, pos);
        if (exponentEnd == pos) {
            return std::nullopt;
        }
        pos = exponentEnd;
    }
    if (pos != text.size()) {
        return std::nullopt;
    }
    return decimal;
}

// The value of a well-formed decimal text; nothing when it overflows a double.
// std::from_chars reports underflow and overflow alike as out of range. A
// mantissa of at most 31 characters lies between 1e-30 and 1e31, so only the
// exponent can carry the value out of range, and its sign says which way.
std::optional<double> ReadDecimal(const DecimalText& decimal) {
    const char* first = decimal.unsignedText.data();
    const char* last = first + decimal.unsignedText.size();
    double magnitude = 0;
    const auto result = std::from_chars(first, last, magnitude, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range && decimal.negativeExponent) {
        magnitude = 0;
    } else if (result.ec != std::errc() || result.ptr != last) {
        return std::nullopt;
    }
    return decimal.negative ? -magnitude : magnitude;
}

}  // namespace

std::string FormatDouble(double value) { return FormatSignificant(value, kDoubleDigits); }

// printf widens a float argument to double, so "%.6g" of a float is that of its exact double value.
std::string FormatFloat(float value) { return FormatSignificant(static_cast<double>(value), kFloatDigits); }

std::optional<double> ParseDouble(std::string_view text) {
    const std::string_view field = TrimBlanks(text.substr(0, kFieldTextLimit));
    if (const auto shown = ReadShownText(field)) {
        return shown;
    }
    const auto decimal = ScanDecimal(field);
    if (!decimal) {
        return std::nullopt;
    }
    const auto value = ReadDecimal(*decimal);
    // An empty field and a typed "-0" both read as zero; only a zero that
    // is spelt with a leading '0' counts as one.
    if (!value || (*value == 0 && field.front() != '0')) {
        return std::nullopt;
    }
    return value;
}

// The float is the double reading of the text rounded once more, never a
// separate parse of the text as a float: the two can round a few texts
// differently, and this way a float field holds exactly what its double
// reading gives, with overflow judged on that same rounding.
std::optional<float> ParseFloat(std::string_view text) {
    const auto value = ParseDouble(text);
    if (!value) {
        return std::nullopt;
    }
    const float rounded = static_cast<float>(*value);
    if (std::isinf(rounded) && std::isfinite(*value)) {
        return std::nullopt;
    }
    return rounded;
}

}  // namespace resonara
