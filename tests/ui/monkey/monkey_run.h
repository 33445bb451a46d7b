#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace resonara::monkey {

struct MonkeyReport {
    std::uint64_t seed = 0;
    int eventsRun = 0;                       // the failing event included
    int failedEvent = -1;                    // index from 0 of the event after which something broke; -1: none
    std::vector<std::string> broken;         // what broke after that event
    std::vector<std::string> recentEvents;   // the last events, the failing one last
    std::map<std::string, int> eventsByKind;
    std::map<std::string, int> boxesShown;   // by the first line of their text
    int pagesOpened = 0;
    int windowsEnded = 0;                    // by Exit or a close request, each replaced by a new window
};

// Runs `events` seeded random events against the real main window, its Box
// Calculator and About window, headless, with message boxes answered and
// modal windows driven at random, and checks the windows' invariants after
// every event. Stops after the first event that breaks one. A main window
// that ends (Exit, close request) is replaced by a fresh one.
// REQUIRES: a QApplication. The run puts its own platform services in place
// for its length and restores the previous ones.
MonkeyReport RunMonkey(std::uint64_t seed, int events);

}  // namespace resonara::monkey
