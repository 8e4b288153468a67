// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's status bar: a fixed text, then the date and the time in
// the system's short formats, kept current by one timer that wakes when the
// minute changes and at no other time.
#pragma once

#include <windows.h>

#include <string>

#include "Dpi.h"
#include "Services.h"

namespace tenebrix::win32 {

// Milliseconds from `now` to the start of the next minute, 1 to 60000.
int millisecondsToNextMinute(const SYSTEMTIME& now);

std::wstring shortDateText(const SYSTEMTIME& time);
std::wstring shortTimeText(const SYSTEMTIME& time);

class DateTimeStatusBar {
  public:
    DateTimeStatusBar(Clock& clock) : clock_(clock) {}

    // The bar along the bottom of `parent`, visible, its clock started.
    void create(HWND parent, int id);
    HWND window() const { return bar_; }
    // Panel widths at the window's density: date and time as wide as their
    // texts, at least an inch; the text panel takes the rest.
    void layout(Dpi dpi);
    // The parent's kClockTimer tick: new texts, and the next wake-up.
    void tick();

  private:
    void showTime();

    Clock& clock_;
    HWND bar_ = nullptr;
    Dpi dpi_;
};

}  // namespace tenebrix::win32
