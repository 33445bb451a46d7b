// Fuzz target for the number texts of the fields.
//
// Every input is a field text: ParseDouble and ParseFloat must read it as the
// independent rule of field_text_rule.h does. The first eight bytes as a
// double and the first four as a float, and every finite value a text was
// read as, are then written as a field shows them and read back.
//
// The process keeps the C locale it starts in, which the reference texts of
// snprintf and the values of strtod assume.

#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "check.h"
#include "field_text_rule.h"
#include "number_text.h"

namespace resonara::fuzz {
namespace {

template <typename T>
bool SameReading(const std::optional<T>& got, const std::optional<T>& expected) {
    if (!got || !expected) {
        return got.has_value() == expected.has_value();
    }
    if (std::isnan(*expected)) {
        return std::isnan(*got);
    }
    return *got == *expected && std::signbit(*got) == std::signbit(*expected);
}

template <typename T>
std::string Describe(const std::optional<T>& reading) {
    if (!reading) {
        return "refusal";
    }
    char text[64];
    std::snprintf(text, sizeof text, "%a (%.17g)", static_cast<double>(*reading), static_cast<double>(*reading));
    return text;
}

std::string CFormat(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

template <typename T>
void RequireSameReading(const char* reader, std::string_view text, const std::optional<T>& got,
                        const std::optional<T>& expected) {
    if (!SameReading(got, expected)) {
        Fail(std::string(reader) + "(" + Quoted(text) + ") gives " + Describe(got) + ", the reading rule " +
             Describe(expected));
    }
}

void CheckReading(std::string_view text) {
    RequireSameReading("ParseDouble", text, ParseDouble(text), ReadFieldAsDouble(text));
    RequireSameReading("ParseFloat", text, ParseFloat(text), ReadFieldAsFloat(text));
}

// What a field of type T shows and how it reads back.
struct DoubleField {
    using Value = double;
    static constexpr const char* kFormat = "%.15g";
    static constexpr double kSmallestNormal = DBL_MIN;
    static std::string Format(double value) { return FormatDouble(value); }
    static std::optional<double> Parse(std::string_view text) { return ParseDouble(text); }
    static std::optional<double> ReadAsRule(std::string_view text) { return ReadFieldAsDouble(text); }
};

struct FloatField {
    using Value = float;
    static constexpr const char* kFormat = "%.6g";
    static constexpr float kSmallestNormal = FLT_MIN;
    static std::string Format(float value) { return FormatFloat(value); }
    static std::optional<float> Parse(std::string_view text) { return ParseFloat(text); }
    static std::optional<float> ReadAsRule(std::string_view text) { return ReadFieldAsFloat(text); }
};

// printf's text of a finite value, except that negative zero shows as "0"
// like positive zero, so that it reads back (as a zero without its sign).
template <typename Field>
std::string ReferenceText(typename Field::Value value) {
    return value == 0 ? "0" : CFormat(Field::kFormat, static_cast<double>(value));
}

// The one kind of shown text that the reading rules refuse: a value within
// half a shown digit of the largest finite one can show a text beyond it,
// which overflows. Any other refusal is a finding.
template <typename Field>
bool ShowsOverflowingText(const std::string& text) {
    return std::isinf(static_cast<typename Field::Value>(std::strtod(text.c_str(), nullptr)));
}

// A finite value written as its field shows it reads back as the nearest
// value to that text (which the reading check covers), and from there every
// further exchange out and in keeps both the value and, for a normal value,
// the text: the shown digits are no more than the type holds.
template <typename Field>
void CheckShownValue(const char* name, typename Field::Value value) {
    if (!std::isfinite(value)) {
        return;
    }
    const std::string text = Field::Format(value);
    if (text != ReferenceText<Field>(value)) {
        Fail(std::string(name) + " of " + CFormat("%a", value) + " shows " + Quoted(text) + ", not " +
             Quoted(ReferenceText<Field>(value)));
    }
    CheckReading(text);
    const auto reread = Field::Parse(text);
    if (!reread) {
        if (!ShowsOverflowingText<Field>(text)) {
            Fail(std::string(name) + " of " + CFormat("%a", value) + " shows " + Quoted(text) + ", which is refused");
        }
        return;
    }
    const std::string shownAgain = Field::Format(*reread);
    const auto rereadAgain = Field::Parse(shownAgain);
    if (!SameReading(rereadAgain, reread)) {
        Fail(std::string(name) + " of " + CFormat("%a", *reread) + " shows " + Quoted(shownAgain) + ", read back as " +
             Describe(rereadAgain));
    }
    if (std::fabs(*reread) >= Field::kSmallestNormal && shownAgain != text) {
        Fail(Quoted(text) + " reads back as " + Describe(reread) + ", shown again as " + Quoted(shownAgain));
    }
}

template <typename T>
std::optional<T> LeadingBytesAs(const std::uint8_t* data, std::size_t size) {
    if (size < sizeof(T)) {
        return std::nullopt;
    }
    T value;
    std::memcpy(&value, data, sizeof value);
    return value;
}

}  // namespace
}  // namespace resonara::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace resonara::fuzz;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CheckReading(text);
    if (const auto typed = resonara::ParseDouble(text)) {
        CheckShownValue<DoubleField>("FormatDouble", *typed);
    }
    if (const auto typed = resonara::ParseFloat(text)) {
        CheckShownValue<FloatField>("FormatFloat", *typed);
    }
    if (const auto bits = LeadingBytesAs<double>(data, size)) {
        CheckShownValue<DoubleField>("FormatDouble", *bits);
    }
    if (const auto bits = LeadingBytesAs<float>(data, size)) {
        CheckShownValue<FloatField>("FormatFloat", *bits);
    }
    return 0;
}
