#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "application.h"
#include "no_display_probe.h"

extern char** environ;

namespace resonara::testing {
namespace {

class ProbeApp final : public CWinApp {
protected:
    bool InitInstance() override {
        std::puts("started");
        return false;
    }
};

constexpr std::string_view kDroppedVariables[] = {"DISPLAY=", "WAYLAND_DISPLAY=", "QT_QPA_PLATFORM="};

// This environment without any display, asking for the X11 platform.
std::vector<std::string> EnvironmentWithoutDisplay() {
    std::vector<std::string> variables;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string_view variable(*entry);
        bool dropped = false;
        for (std::string_view prefix : kDroppedVariables) dropped = dropped || variable.starts_with(prefix);
        if (!dropped) variables.emplace_back(variable);
    }
    variables.emplace_back("QT_QPA_PLATFORM=xcb");
    return variables;
}

std::vector<char*> PointersTo(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& text : texts) pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

std::string ReadAll(std::FILE* file) {
    std::rewind(file);
    std::string text;
    char buffer[256];
    while (const std::size_t count = std::fread(buffer, 1, sizeof buffer, file)) text.append(buffer, count);
    return text;
}

struct ChildResult {
    int status = 0;
    std::string out, err;
};

// Runs this test program as the probe with `programPath` as its argv[0].
ChildResult RunProbe(const char* programPath) {
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fileno(out), STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, fileno(err), STDERR_FILENO);

    std::vector<std::string> arguments{programPath, kNoDisplayProbeArgument};
    std::vector<std::string> environment = EnvironmentWithoutDisplay();
    std::vector<char*> argv = PointersTo(arguments);
    std::vector<char*> envp = PointersTo(environment);
    ChildResult result;
    pid_t child = 0;
    if (posix_spawn(&child, "/proc/self/exe", &actions, nullptr, argv.data(), envp.data()) == 0) {
        waitpid(child, &result.status, 0);
    }
    posix_spawn_file_actions_destroy(&actions);
    result.out = ReadAll(out);
    result.err = ReadAll(err);
    std::fclose(out);
    std::fclose(err);
    return result;
}

TEST(NoDisplayTest, StartWithoutDisplayPrintsOneLineAndExitsWithStatusOne) {
    const ChildResult result = RunProbe("/opt/tools/resonara.bin");

    ASSERT_TRUE(WIFEXITED(result.status)) << "ended by signal " << WTERMSIG(result.status) << "\n" << result.err;
    EXPECT_EQ(WEXITSTATUS(result.status), 1);
    EXPECT_EQ(result.err, "resonara: cannot open a display; set DISPLAY or QT_QPA_PLATFORM\n");
    EXPECT_EQ(result.out, "");
}

}  // namespace

int RunNoDisplayProbe(int argc, char** argv) {
    ProbeApp app;
    return app.Run(argc, argv);
}

}  // namespace resonara::testing
