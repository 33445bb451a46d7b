#pragma once

#include <string>
#include <string_view>

namespace resonara::test {

struct CommandOutput {
    int exitStatus = -1;  // -1 when the command did not end by exiting
    std::string text;     // standard output and standard error together
};

// Runs `command` through /bin/sh and waits for it.
CommandOutput RunCommand(const std::string& command);

// `text` as one shell word.
std::string ShellQuoted(std::string_view text);

}  // namespace resonara::test
