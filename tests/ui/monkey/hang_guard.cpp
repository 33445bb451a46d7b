#include "hang_guard.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace resonara::monkey {

HangGuard::HangGuard(std::uint64_t seed, int limit_s) : seed_(seed), limit_s_(limit_s), watcher_([this] { Watch(); }) {}

HangGuard::~HangGuard() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    stop_.notify_one();
    watcher_.join();
}

void HangGuard::Watch() {
    std::unique_lock lock(mutex_);
    int watched = event_.load();
    int stillFor_s = 0;
    while (!stop_.wait_for(lock, std::chrono::seconds(1), [this] { return stopping_; })) {
        const int now = event_.load();
        stillFor_s = now == watched ? stillFor_s + 1 : 0;
        watched = now;
        if (stillFor_s < limit_s_) continue;
        std::fprintf(stderr,
                     "monkey: event %d has not returned after %d s: the window stopped responding.\n"
                     "replay: MONKEY_SEED=%llu MONKEY_EVENTS=%d\n",
                     now, limit_s_, static_cast<unsigned long long>(seed_), now + 1);
        std::abort();
    }
}

}  // namespace resonara::monkey
