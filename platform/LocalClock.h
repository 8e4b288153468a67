// SPDX-License-Identifier: GPL-3.0-or-later
// The local date and time, and how the player's system writes them short,
// for the status bar's date and time panels.
#pragma once

#include <string>

namespace tenebrix::platform {

struct LocalTime {
    int year = 2000, month = 1, day = 1;
    int hour = 0, minute = 0, second = 0, millisecond = 0;

    bool operator==(const LocalTime&) const = default;
};

class LocalClock {
  public:
    virtual ~LocalClock() = default;
    virtual LocalTime now() = 0;
    // The system's short date and short time formats, UTF-8.
    virtual std::string shortDate(const LocalTime& time) = 0;
    virtual std::string shortTime(const LocalTime& time) = 0;
    // Whether the short time shows seconds, so the clock must change every second.
    virtual bool shortTimeShowsSeconds() = 0;
};

}  // namespace tenebrix::platform
