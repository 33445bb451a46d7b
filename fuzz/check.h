#pragma once

#include <string>
#include <string_view>

namespace resonara::fuzz {

// Ends the run with `finding` on standard error; libFuzzer reports the abort
// as a crash and saves the input that led to it.
[[noreturn]] void Fail(const std::string& finding);

// `text` quoted, with every byte outside printable ASCII (tabs included),
// quotes and backslashes written as \xNN, so a finding shows the exact field text.
std::string Quoted(std::string_view text);

}  // namespace resonara::fuzz
