#pragma once

#include <string>

namespace resonara {

inline constexpr const char* kProgramName = "resonara-cli";

// What --help prints: usage, every option with its default, the exit statuses.
std::string HelpText();

}  // namespace resonara
