#pragma once

#include <filesystem>
#include <set>
#include <string>

#include "command_output.h"

namespace resonara::test {

// This build installed with `cmake --install BUILD --prefix PREFIX` into a
// fresh temporary prefix, removed again by the destructor.
class ScratchInstall {
public:
    ScratchInstall();
    ~ScratchInstall();
    ScratchInstall(const ScratchInstall&) = delete;
    ScratchInstall& operator=(const ScratchInstall&) = delete;

    // What `cmake --install` printed and how it ended.
    const CommandOutput& InstallOutput() const { return install_; }
    const std::filesystem::path& Prefix() const { return prefix_; }
    // `relative` under the prefix.
    std::filesystem::path Path(const std::filesystem::path& relative) const { return prefix_ / relative; }
    // Every regular file installed, relative to the prefix, with "/" between names.
    std::set<std::string> Files() const;

private:
    std::filesystem::path prefix_;
    CommandOutput install_;
};

}  // namespace resonara::test
