#include "number_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace resonara {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kDenormMin = std::numeric_limits<double>::denorm_min();
constexpr float kFloatInf = std::numeric_limits<float>::infinity();

// An expected reading: a value, or nothing when the text is refused. NaN
// compares by kind.
template <typename T>
void ExpectReading(const std::optional<T>& got, const std::optional<T>& expected) {
    ASSERT_EQ(got.has_value(), expected.has_value());
    if (!expected) {
        return;
    }
    if (std::isnan(*expected)) {
        EXPECT_TRUE(std::isnan(*got));
        return;
    }
    EXPECT_EQ(*got, *expected);
    EXPECT_EQ(std::signbit(*got), std::signbit(*expected));
}

struct DoubleRow {
    std::string text;
    std::optional<double> expected;
};

TEST(NumberTextTest, ParseDoubleAcceptsDecimalsAndRefusesAllElse) {
    const std::vector<DoubleRow> rows = {
        // Zero spelt with a leading '0'.
        {"0", 0.0},
        {"0.0", 0.0},
        {"00", 0.0},
        {"0e5", 0.0},
        {"0e-99999", 0.0},
        // Ordinary decimals, blanks and tabs at both ends.
        {"0.342", 0.342},
        {"  186.16\t", 186.16},
        {"\t-24 ", -24.0},
        {"+5", 5.0},
        {".5", 0.5},
        {"5.", 5.0},
        {"1e3", 1000.0},
        {"1E+3", 1000.0},
        {"2.5e-3", 0.0025},
        {"-0.5", -0.5},
        // Extremes of the double range.
        {"1e308", 1e308},
        {"1.7976931348623157e308", DBL_MAX},
        {"1e-320", 1e-320},
        {"4.9406564584124654e-324", kDenormMin},
        // Only the first 31 characters count.
        {"0.0000000000000000000000000000001", 0.0},
        {"1.000000000000000000000000000000x", 1.0},
        {"1234567890123456789012345678901234", 1.234567890123456789012345678901e30},
        {std::string(30, ' ') + "7", 7.0},
        {std::string(31, ' ') + "7", std::nullopt},
        // The texts a non-finite result is shown with read back.
        {"inf", kInf},
        {"-inf", -kInf},
        {" nan ", kNaN},
        // Zero not spelt with a leading '0'.
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"\t", std::nullopt},
        {"-0", std::nullopt},
        {"+0", std::nullopt},
        {".0", std::nullopt},
        {"-0.0", std::nullopt},
        {"1e-400", std::nullopt},
        // Overflow.
        {"1e309", std::nullopt},
        {"-1e309", std::nullopt},
        {"1.79769313486232e+308", DBL_MAX},
        {"-1.79769313486232e+308", -DBL_MAX},
        {"1.79769313486233e+308", std::nullopt},
        // Other spellings.
        {"0x1p3", std::nullopt},
        {"0x10", std::nullopt},
        {"infinity", std::nullopt},
        {"Inf", std::nullopt},
        {"+inf", std::nullopt},
        {"-nan", std::nullopt},
        {"1,5", std::nullopt},
        {"1 5", std::nullopt},
        {"1e5 2", std::nullopt},
        {"1.5.2", std::nullopt},
        {"1e", std::nullopt},
        {"1e+", std::nullopt},
        {"e5", std::nullopt},
        {".", std::nullopt},
        {"-", std::nullopt},
        {"+-1", std::nullopt},
        {"5abc", std::nullopt},
        {"abc", std::nullopt},
        {"1d5", std::nullopt},
        {"\n5", std::nullopt},
    };
    for (const DoubleRow& row : rows) {
        SCOPED_TRACE("text \"" + row.text + "\"");
        ExpectReading(ParseDouble(row.text), row.expected);
    }
}

struct FloatRow {
    std::string text;
    std::optional<float> expected;
};

TEST(NumberTextTest, ParseFloatRoundsTheDoubleReadingAndRefusesFloatOverflow) {
    const std::vector<FloatRow> rows = {
        {"0.1", 0.1f},
        {"42.6771", 42.6771f},
        {"-55.3708", -55.3708f},
        {"0", 0.0f},
        // FLT_MAX plus less than half its spacing rounds to FLT_MAX; from
        // half the spacing up (3.40282356779733661637...e38) it overflows.
        {"3.4028235e38", FLT_MAX},
        {"3.4028235677973362e38", FLT_MAX},
        {"3.4028235677973366e38", std::nullopt},
        {"3.5e38", std::nullopt},
        {"1e39", std::nullopt},
        {"-1e39", std::nullopt},
        // Below the float range the double reading decides, so a non-zero
        // text passes as zero.
        {"1e-45", std::numeric_limits<float>::denorm_min()},
        {"1e-50", 0.0f},
        // Just above the midpoint between 1 and the next float: read as a
        // double it is the midpoint itself, which rounds to even.
        {"1.00000005960464477539062500001", 1.0f},
        {"inf", kFloatInf},
        {"-inf", -kFloatInf},
        {"nan", std::numeric_limits<float>::quiet_NaN()},
        {"-0", std::nullopt},
        {"abc", std::nullopt},
    };
    for (const FloatRow& row : rows) {
        SCOPED_TRACE("text \"" + row.text + "\"");
        ExpectReading(ParseFloat(row.text), row.expected);
    }
}

TEST(NumberTextTest, FormatsWithFifteenAndSixSignificantDigits) {
    EXPECT_EQ(FormatDouble(0.342), "0.342");
    EXPECT_EQ(FormatDouble(186.16), "186.16");
    EXPECT_EQ(FormatDouble(0.0), "0");
    EXPECT_EQ(FormatDouble(-0.0), "0");
    EXPECT_EQ(FormatDouble(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(FormatDouble(123456789012345.0), "123456789012345");
    EXPECT_EQ(FormatDouble(1234567890123456.0), "1.23456789012346e+15");
    EXPECT_EQ(FormatDouble(0.0001), "0.0001");
    EXPECT_EQ(FormatDouble(0.00001), "1e-05");
    EXPECT_EQ(FormatDouble(DBL_MAX), "1.79769313486232e+308");
    EXPECT_EQ(FormatDouble(kDenormMin), "4.94065645841247e-324");

    EXPECT_EQ(FormatFloat(42.677124f), "42.6771");
    EXPECT_EQ(FormatFloat(0.1f), "0.1");
    EXPECT_EQ(FormatFloat(123456.0f), "123456");
    EXPECT_EQ(FormatFloat(1234567.0f), "1.23457e+06");
    EXPECT_EQ(FormatFloat(1e6f), "1e+06");
    EXPECT_EQ(FormatFloat(FLT_MAX), "3.40282e+38");
    EXPECT_EQ(FormatFloat(std::numeric_limits<float>::denorm_min()), "1.4013e-45");
}

TEST(NumberTextTest, NonFiniteValuesWriteInfAndNanWhateverTheirSign) {
    EXPECT_EQ(FormatDouble(kInf), "inf");
    EXPECT_EQ(FormatDouble(-kInf), "-inf");
    EXPECT_EQ(FormatDouble(kNaN), "nan");
    EXPECT_EQ(FormatDouble(-kNaN), "nan");
    EXPECT_EQ(FormatDouble(std::copysign(kNaN, -1.0)), "nan");
    EXPECT_EQ(FormatFloat(kFloatInf), "inf");
    EXPECT_EQ(FormatFloat(-kFloatInf), "-inf");
    EXPECT_EQ(FormatFloat(std::copysign(std::numeric_limits<float>::quiet_NaN(), -1.0f)), "nan");
}

TEST(NumberTextTest, ShownValuesReadBackUnchanged) {
    const double doubles[] = {0.342,   186.16,   6.574178352872,       -2604.31,   1e-300,
                              1e-320,  kDenormMin, 2.2250738585072e-308, 1.79769313486231e308, -kInf};
    for (double value : doubles) {
        SCOPED_TRACE(FormatDouble(value));
        ExpectReading(ParseDouble(FormatDouble(value)), std::optional<double>(value));
    }
    const float floats[] = {42.6771f, -55.3708f, 3.40282e38f, 1.17549e-38f, 1e-40f,
                            std::numeric_limits<float>::denorm_min(), kFloatInf};
    for (float value : floats) {
        SCOPED_TRACE(FormatFloat(value));
        ExpectReading(ParseFloat(FormatFloat(value)), std::optional<float>(value));
    }
    ExpectReading(ParseDouble(FormatDouble(kNaN)), std::optional<double>(kNaN));
}

// A computed negative zero (a tiny negative value underflowing in a unit
// conversion) must not leave a field that fails every later exchange.
TEST(NumberTextTest, NegativeZeroShowsAsAZeroThatReadsBack) {
    EXPECT_EQ(FormatFloat(-0.0f), "0");
    ASSERT_TRUE(ParseDouble(FormatDouble(-1e-320 / 1e10)));
    ASSERT_TRUE(ParseFloat(FormatFloat(-1e-30f * 1e-30f)));
    EXPECT_EQ(*ParseDouble(FormatDouble(-0.0)), 0.0);
}

// A reproducible stream of bit patterns over the whole range, denormals and
// the largest exponents included.
std::uint64_t NextBits(std::uint64_t& state) {
    state = state * 6364136223846793005ULL + 1442695040888963407ULL;
    return state ^ (state >> 29);
}

template <typename T, typename Bits>
T FromBits(Bits bits) {
    T value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

std::string Printf(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// The C library, in the C locale the tests run in, is the reference for the
// texts and for the values they read back as.
TEST(NumberTextTest, AgreesWithTheCLibraryOverTheWholeRange) {
    std::uint64_t state = 12345;
    for (int i = 0; i < 20000; ++i) {
        const double value = FromBits<double>(NextBits(state));
        if (!std::isfinite(value)) {
            continue;
        }
        const std::string text = Printf("%.15g", value);
        ASSERT_EQ(FormatDouble(value), text);
        const auto reread = ParseDouble(text);
        if (std::abs(std::strtod(text.c_str(), nullptr)) > DBL_MAX) {
            EXPECT_FALSE(reread) << text;
        } else {
            ASSERT_TRUE(reread) << text;
            EXPECT_EQ(*reread, std::strtod(text.c_str(), nullptr)) << text;
        }
    }
    for (int i = 0; i < 20000; ++i) {
        const float value = FromBits<float>(static_cast<std::uint32_t>(NextBits(state)));
        if (!std::isfinite(value)) {
            continue;
        }
        const std::string text = Printf("%.6g", static_cast<double>(value));
        ASSERT_EQ(FormatFloat(value), text);
        const auto reread = ParseFloat(text);
        // Only the floats nearest FLT_MAX show a text beyond it.
        ASSERT_TRUE(reread || text == "3.40283e+38" || text == "-3.40283e+38") << text;
        if (reread) {
            EXPECT_EQ(FormatFloat(*reread), text);
        }
    }
}

}  // namespace
}  // namespace resonara
