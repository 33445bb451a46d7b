#pragma once

#include <cstdint>
#include <random>
#include <span>

namespace resonara::monkey {

// The one source of chance of a monkey run: the same seed gives the same
// throws, so a run is replayed by its seed alone.
class Dice {
public:
    explicit Dice(std::uint64_t seed) : engine_(seed) {}

    // 0 <= result < n. REQUIRES: n > 0.
    int Below(int n);
    bool Chance(int percent) { return Below(100) < percent; }

    template <class T>
    const T& Pick(std::span<const T> items) {
        return items[static_cast<std::size_t>(Below(static_cast<int>(items.size())))];
    }

private:
    std::mt19937_64 engine_;
};

}  // namespace resonara::monkey
