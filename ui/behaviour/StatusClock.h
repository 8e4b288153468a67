// SPDX-License-Identifier: GPL-3.0-or-later
// The status bar's date and time: written when the window opens and again
// exactly when what they show changes (the next minute, or the next second
// where the system's short time shows seconds), so the game sleeps between.
#pragma once

#include "LocalClock.h"

namespace tenebrix::ui {

// Milliseconds from `now` to the next change of a clock that shows minutes
// (or seconds); never 0, never more than the period.
int millisecondsToNextChange(const platform::LocalTime& now, bool showsSeconds);

class StatusPanels {
  public:
    virtual ~StatusPanels() = default;
    // Panel 2 (the date) or 3 (the time) of the status bar.
    virtual void setStatusPanelText(int panel, const std::string& text) = 0;
};

class StatusClock {
  public:
    StatusClock(StatusPanels& panels, platform::LocalClock& clock)
        : panels_(panels), clock_(clock) {}

    // Writes the date and the time and returns how many milliseconds to wait
    // before calling again.
    int refresh();

  private:
    StatusPanels& panels_;
    platform::LocalClock& clock_;
};

}  // namespace tenebrix::ui
