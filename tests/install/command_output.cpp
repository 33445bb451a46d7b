#include "command_output.h"

#include <sys/wait.h>

#include <array>
#include <cstdio>

namespace resonara::test {

CommandOutput RunCommand(const std::string& command) {
    CommandOutput result;
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (pipe == nullptr) return result;
    std::array<char, 4096> buffer;
    for (std::size_t n; (n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0;)
        result.text.append(buffer.data(), n);
    const int status = pclose(pipe);
    if (status != -1 && WIFEXITED(status)) result.exitStatus = WEXITSTATUS(status);
    return result;
}

std::string ShellQuoted(std::string_view text) {
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

}  // namespace resonara::test
