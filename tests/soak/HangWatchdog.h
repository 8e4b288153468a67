// Ends the test with a message when one event does not return in time. A hung
// event would otherwise hold the test until CTest's timeout, without the
// seed that replays it.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

namespace tenebrix::testing {

class HangWatchdog {
  public:
    using Clock = std::chrono::steady_clock;

    // `replayHint` goes into the message, so the hang can be replayed.
    HangWatchdog(std::chrono::seconds limit, std::string replayHint)
        : limit_(limit), replayHint_(std::move(replayHint)), thread_([this] { watch(); }) {}

    ~HangWatchdog() {
        {
            const std::lock_guard lock(mutex_);
            stopping_ = true;
        }
        wake_.notify_one();
        thread_.join();
    }

    HangWatchdog(const HangWatchdog&) = delete;
    HangWatchdog& operator=(const HangWatchdog&) = delete;

    void arm(std::string event) {
        {
            const std::lock_guard lock(mutex_);
            event_ = std::move(event);
            deadline_ = Clock::now() + limit_;
        }
        wake_.notify_one();
    }

    void disarm() {
        const std::lock_guard lock(mutex_);
        deadline_.reset();
    }

  private:
    void watch() {
        std::unique_lock lock(mutex_);
        while (!stopping_) {
            if (!deadline_) {
                wake_.wait(lock);
            } else if (wake_.wait_until(lock, *deadline_) == std::cv_status::timeout && deadline_ &&
                       Clock::now() >= *deadline_) {
                std::fprintf(stderr, "FAIL! soak: %s has not returned after %lld s; %s\n",
                             event_.c_str(), static_cast<long long>(limit_.count()),
                             replayHint_.c_str());
                std::fflush(stderr);
                std::_Exit(EXIT_FAILURE);
            }
        }
    }

    const std::chrono::seconds limit_;
    const std::string replayHint_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::optional<Clock::time_point> deadline_;
    std::string event_;
    bool stopping_ = false;
    std::thread thread_;  // last: starts once everything above is set
};

}  // namespace tenebrix::testing
