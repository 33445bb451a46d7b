#include "check.h"

#include <cstdio>
#include <cstdlib>

namespace resonara::fuzz {
namespace {

constexpr unsigned char kFirstPrintable = 0x20;
constexpr unsigned char kLastPrintable = 0x7e;
constexpr char kHexDigits[] = "0123456789abcdef";

}  // namespace

void Fail(const std::string& finding) {
    std::fprintf(stderr, "\n== resonara fuzz finding: %s\n", finding.c_str());
    std::abort();
}

std::string Quoted(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < kFirstPrintable || byte > kLastPrintable || c == '"' || c == '\\') {
            quoted += std::string("\\x") + kHexDigits[byte >> 4] + kHexDigits[byte & 0xf];
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

}  // namespace resonara::fuzz
