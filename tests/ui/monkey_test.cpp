#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <string>

#include "monkey_run.h"

// A seeded monkey over the real windows. CI runs the default seed for a few
// thousand events; MONKEY_SEED and MONKEY_EVENTS choose another run, e.g.
//     MONKEY_SEED=7 MONKEY_EVENTS=100000 ui_monkey_tests --gtest_filter='Monkey*'
// A failure names the seed and the event count that replay it.
namespace resonara::monkey {
namespace {

constexpr std::uint64_t kDefaultSeed = 20240611;
constexpr std::uint64_t kDefaultEvents = 3000;

std::uint64_t FromEnvironment(const char* name, std::uint64_t fallback) {
    const char* text = std::getenv(name);
    return text != nullptr && *text != '\0' ? std::strtoull(text, nullptr, 10) : fallback;
}

std::string Tallies(const MonkeyReport& report) {
    std::string text = "events:";
    for (const auto& [kind, count] : report.eventsByKind) text += " " + kind + " " + std::to_string(count) + ",";
    text += "\nmessage boxes:";
    for (const auto& [box, count] : report.boxesShown) text += "\n  " + std::to_string(count) + " x " + box;
    text += "\npages opened: " + std::to_string(report.pagesOpened);
    text += "\nmain windows ended and replaced: " + std::to_string(report.windowsEnded);
    return text;
}

std::string Replay(const MonkeyReport& report) {
    std::string text = "monkey: after event " + std::to_string(report.failedEvent) + " of seed " +
                       std::to_string(report.seed) + ":";
    for (const std::string& what : report.broken) text += "\n  broken: " + what;
    text += "\nlast events:";
    for (const std::string& event : report.recentEvents) text += "\n  " + event;
    text += "\nreplay: MONKEY_SEED=" + std::to_string(report.seed) +
            " MONKEY_EVENTS=" + std::to_string(report.failedEvent + 1);
    return text;
}

TEST(MonkeyTest, RandomEventsKeepTheWindowsSound) {
    const std::uint64_t seed = FromEnvironment("MONKEY_SEED", kDefaultSeed);
    const auto events = static_cast<int>(FromEnvironment("MONKEY_EVENTS", kDefaultEvents));
    const auto start = std::chrono::steady_clock::now();
    const MonkeyReport report = RunMonkey(seed, events);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;

    std::cout << "monkey: seed " << seed << ", " << report.eventsRun << " of " << events << " events in "
              << took.count() << " s\n"
              << Tallies(report) << "\n";
    EXPECT_EQ(report.failedEvent, -1) << Replay(report);
    EXPECT_EQ(report.eventsRun, events);
}

}  // namespace
}  // namespace resonara::monkey
