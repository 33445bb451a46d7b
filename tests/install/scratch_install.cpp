#include "scratch_install.h"

#include <cstdlib>
#include <string>
#include <system_error>

namespace resonara::test {
namespace {

std::filesystem::path MakeTemporaryDirectory() {
    std::string pattern = (std::filesystem::temp_directory_path() / "resonara-install-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) return {};
    return pattern;
}

}  // namespace

ScratchInstall::ScratchInstall() : prefix_(MakeTemporaryDirectory()) {
    if (prefix_.empty()) return;
    install_ = RunCommand(ShellQuoted(RESONARA_CMAKE_COMMAND) + " --install " + ShellQuoted(RESONARA_BUILD_DIR) +
                          " --prefix " + ShellQuoted(prefix_.string()));
}

ScratchInstall::~ScratchInstall() {
    std::error_code ignored;
    if (!prefix_.empty()) std::filesystem::remove_all(prefix_, ignored);
}

std::set<std::string> ScratchInstall::Files() const {
    std::set<std::string> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(prefix_, error))
        if (entry.is_regular_file()) files.insert(entry.path().lexically_relative(prefix_).generic_string());
    return files;
}

}  // namespace resonara::test
