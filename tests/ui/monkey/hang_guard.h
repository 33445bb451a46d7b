#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>

namespace resonara::monkey {

// A window that stops responding would hang the run where no test can see
// it. This watches from a thread of its own: when the event under way has
// not returned within the limit, it prints the seed and the event so the
// run can be replayed, and aborts the program.
class HangGuard {
public:
    HangGuard(std::uint64_t seed, int limit_s);
    ~HangGuard();
    HangGuard(const HangGuard&) = delete;
    HangGuard& operator=(const HangGuard&) = delete;

    // Called by the run as each event starts.
    void Starting(int event) { event_.store(event); }

private:
    void Watch();

    const std::uint64_t seed_;
    const int limit_s_;
    std::atomic<int> event_{-1};
    std::mutex mutex_;
    std::condition_variable stop_;
    bool stopping_ = false;
    std::thread watcher_;
};

}  // namespace resonara::monkey
