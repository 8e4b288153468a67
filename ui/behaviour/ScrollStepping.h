// SPDX-License-Identifier: GPL-3.0-or-later
// How the settings frame's scroll bars step: an arrow by the bar's small
// change, a click in the track by its large change, Home and End to the
// ends; a dragged thumb changes nothing until it is let go.
#pragma once

#include <optional>

#include "Control.h"
#include "Keys.h"

namespace tenebrix::ui {

enum class ScrollRequest {
    LineLeft,      // the left arrow, or the Left and Up keys
    LineRight,     // the right arrow, or the Right and Down keys
    PageLeft,      // the track left of the thumb, or Page Up
    PageRight,     // the track right of the thumb, or Page Down
    First,         // Home
    Last,          // End
    ThumbTrack,    // the thumb is being dragged
    ThumbRelease,  // the thumb was let go at `thumbAt`
};

// The value of `bar` after `request`, starting from `value`, within the
// bar's range. `thumbAt` is where the thumb was let go, for ThumbRelease.
int scrolledValue(const forms::Control& bar, int value, ScrollRequest request, int thumbAt = 0);

// The request a key makes of a scroll bar that has the focus, if any.
std::optional<ScrollRequest> scrollRequestFor(const KeyPress& key);

}  // namespace tenebrix::ui
