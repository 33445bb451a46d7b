#pragma once

#include <cstddef>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace resonara::fuzz {

// More arguments than any meaningful command line of the designer has.
inline constexpr std::size_t kMaxArguments = 16;

// The argument vector that a fuzz input stands for: the input split at every
// NUL and newline byte, the pieces after the first kMaxArguments dropped. An
// empty input is an empty command line.
std::vector<std::string> SplitArguments(std::string_view input);

// The options that name a file to write, as the designer's help text lists
// them ("--csv FILE"), so that an option added later is sandboxed too.
std::set<std::string, std::less<>> FileOptionsOf(std::string_view helpText);

// Points the file of every option in `fileOptions` into the directory
// `sandbox`, so that a run writes nowhere else: "--opt FILE" and
// "--opt=FILE" alike, and also the argument after such an option that is
// itself another option's value (redirecting one file too many is harmless).
// An empty name stays empty and a name with a '/' goes to a directory that
// does not exist, so that failures to write stay reachable.
void SandboxFiles(std::vector<std::string>& args, const std::set<std::string, std::less<>>& fileOptions,
                  const std::string& sandbox);

}  // namespace resonara::fuzz
