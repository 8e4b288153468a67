// SPDX-License-Identifier: GPL-3.0-or-later
// Scroll bar steps.
#include "ScrollStepping.h"

#include <algorithm>

namespace tenebrix::ui {

int scrolledValue(const forms::Control& bar, int value, ScrollRequest request, int thumbAt) {
    int wanted = value;
    switch (request) {
        case ScrollRequest::LineLeft:
            wanted = value - bar.smallChange;
            break;
        case ScrollRequest::LineRight:
            wanted = value + bar.smallChange;
            break;
        case ScrollRequest::PageLeft:
            wanted = value - bar.largeChange;
            break;
        case ScrollRequest::PageRight:
            wanted = value + bar.largeChange;
            break;
        case ScrollRequest::First:
            wanted = bar.minimum;
            break;
        case ScrollRequest::Last:
            wanted = bar.maximum;
            break;
        case ScrollRequest::ThumbTrack:
            // The setting follows the thumb only once it is let go.
            break;
        case ScrollRequest::ThumbRelease:
            wanted = thumbAt;
            break;
    }
    return std::clamp(wanted, bar.minimum, bar.maximum);
}

std::optional<ScrollRequest> scrollRequestFor(const KeyPress& key) {
    if (key.alt || key.ctrl) return std::nullopt;
    switch (key.key) {
        case Key::Left:
        case Key::Up:
            return ScrollRequest::LineLeft;
        case Key::Right:
        case Key::Down:
            return ScrollRequest::LineRight;
        case Key::PageUp:
            return ScrollRequest::PageLeft;
        case Key::PageDown:
            return ScrollRequest::PageRight;
        case Key::Home:
            return ScrollRequest::First;
        case Key::End:
            return ScrollRequest::Last;
        default:
            return std::nullopt;
    }
}

}  // namespace tenebrix::ui
