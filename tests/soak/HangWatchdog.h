// SPDX-License-Identifier: GPL-3.0-or-later
// Ends the soak, naming the event and the seed, when one event has not
// returned for a long time; a hang would otherwise hold the test until
// CTest's timeout and bury the seed far back in the log.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <future>
#include <string>
#include <thread>

namespace tenebrix::testing {

class HangWatchdog {
  public:
    HangWatchdog(std::chrono::seconds limit, std::string replay)
        : thread_([this, limit, replay = std::move(replay)] { watch(limit, replay); }) {}
    ~HangWatchdog() {
        stop_.set_value();
        thread_.join();
    }

    // The soak has begun event `number`.
    void reached(int number) { event_ = number; }

  private:
    // An event still running a whole limit after it was last seen has hung.
    void watch(std::chrono::seconds limit, const std::string& replay) {
        for (int seen = -1; stopped_.wait_for(limit) == std::future_status::timeout;
             seen = event_) {
            if (event_ != seen) continue;
            std::fprintf(stderr, "FAIL! soak: event %d has not returned after %lld s; %s\n", seen,
                         static_cast<long long>(limit.count()), replay.c_str());
            std::fflush(stderr);
            std::_Exit(EXIT_FAILURE);
        }
    }

    std::atomic<int> event_{0};
    std::promise<void> stop_;
    const std::future<void> stopped_ = stop_.get_future();
    std::thread thread_;  // last: starts once everything above is set
};

}  // namespace tenebrix::testing
