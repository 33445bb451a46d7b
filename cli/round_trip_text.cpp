#include "round_trip_text.h"

#include <charconv>
#include <cmath>
#include <cstddef>

namespace resonara {
namespace {

// Significant digits that take any double or float there and back.
constexpr int kDoubleRoundTripDigits = 17;
constexpr int kFloatRoundTripDigits = 9;

// Room for "-1.2345678901234567e-308" and more.
constexpr std::size_t kBufferSize = 32;

std::string NonFiniteText(double value) {
    if (std::isnan(value)) {
        return "nan";
    }
    return value < 0 ? "-inf" : "inf";
}

std::string SignificantText(double value, int digits) {
    if (!std::isfinite(value)) {
        return NonFiniteText(value);
    }
    char buffer[kBufferSize];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, digits);
    return std::string(buffer, result.ptr);
}

}  // namespace

std::string RoundTripText(double value) { return SignificantText(value, kDoubleRoundTripDigits); }

std::string RoundTripText(float value) { return SignificantText(static_cast<double>(value), kFloatRoundTripDigits); }

std::string ShortestText(double value) {
    if (!std::isfinite(value)) {
        return NonFiniteText(value);
    }
    char buffer[kBufferSize];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

}  // namespace resonara
