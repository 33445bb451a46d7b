#pragma once

namespace resonara::testing {

// Given as the first argument, makes the test program start a bare
// application through CWinApp::Run() instead of running the tests, so that a
// test can watch the start-up fail in a child process.
inline constexpr const char* kNoDisplayProbeArgument = "--no-display-probe";

// Runs CWinApp::Run(); its start-up hook prints "started" on stdout.
int RunNoDisplayProbe(int argc, char** argv);

}  // namespace resonara::testing
