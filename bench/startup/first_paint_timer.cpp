// Starts a program once with RESONARA_EXIT_AFTER_FIRST_PAINT=1 and reports
// how long it took to its first paint and its peak resident memory:
//     resonara-first-paint-timer PROGRAM [ARGUMENT...]
// prints "<milliseconds> <peak resident kB> <window WxH>". The time runs on
// the steady clock (CLOCK_MONOTONIC) from just before the process is spawned
// to the time the program prints after its first paint. The memory is the
// child's ru_maxrss, the figure /usr/bin/time -v reports.
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

extern char** environ;

namespace {

constexpr const char* kExitAfterFirstPaint = "RESONARA_EXIT_AFTER_FIRST_PAINT";
constexpr double kNanosecondsPerMillisecond = 1e6;

struct FirstPaint {
    long long steadyClock_ns = 0;
    std::string window;
};

long long SteadyClock_ns() {
    return std::chrono::nanoseconds(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// The "first-paint-ns N window WxH" line among what the program printed.
std::optional<FirstPaint> FindFirstPaint(const std::string& output) {
    const std::size_t at = output.find("first-paint-ns ");
    if (at == std::string::npos) return std::nullopt;
    long long clock_ns = 0;
    char window[64] = {};
    const int read = std::sscanf(output.c_str() + at, "first-paint-ns %lld window %63s", &clock_ns, window);
    if (read != 2) return std::nullopt;
    return FirstPaint{clock_ns, window};
}

std::string ReadAll(int fd) {
    std::string text;
    char buffer[4096];
    for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) > 0;) text.append(buffer, static_cast<std::size_t>(n));
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: resonara-first-paint-timer PROGRAM [ARGUMENT...]\n");
        return 2;
    }
    setenv(kExitAfterFirstPaint, "1", 1);
    int out[2];
    if (pipe(out) != 0) return 1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addclose(&actions, out[1]);

    const long long start_ns = SteadyClock_ns();
    pid_t child = 0;
    const int spawned = posix_spawn(&child, argv[1], &actions, nullptr, argv + 1, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        std::fprintf(stderr, "resonara-first-paint-timer: cannot start %s\n", argv[1]);
        return 1;
    }
    const std::string output = ReadAll(out[0]);
    close(out[0]);

    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "resonara-first-paint-timer: %s did not exit cleanly (status %d)\n", argv[1], status);
        return 1;
    }
    const std::optional<FirstPaint> paint = FindFirstPaint(output);
    if (!paint) {
        std::fprintf(stderr, "resonara-first-paint-timer: %s reported no first paint\n", argv[1]);
        return 1;
    }
    std::printf("%.1f %ld %s\n", static_cast<double>(paint->steadyClock_ns - start_ns) / kNanosecondsPerMillisecond,
                usage.ru_maxrss, paint->window.c_str());
    return 0;
}
