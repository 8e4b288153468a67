// SPDX-License-Identifier: GPL-3.0-or-later
// The system's messages as the windows' rules take them: a key that went
// down, a scroll bar's request and the pointer over a control.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>

#include "Keys.h"
#include "PointerRules.h"
#include "ScrollStepping.h"

namespace tenebrix::win32 {

struct Modifiers {
    bool alt = false, ctrl = false, shift = false;
};

// Virtual key `key` of a WM_KEYDOWN or WM_SYSKEYDOWN with `flags` (its
// lParam) while `held` were down. Alt counts when the message says it was
// down (bit 29) as well; a key sent again while held (bit 30) is a repeat.
ui::KeyPress keyPressOf(WPARAM key, LPARAM flags, Modifiers held);

// The same for a message just taken from the queue, with the modifiers the
// keyboard state had as it was sent.
ui::KeyPress keyPressOf(const MSG& message);

// What became of a key message offered to a window's rules.
enum class KeyOutcome {
    Taken,      // the rules took it: nothing more to do
    Passed,     // not theirs, and already dispatched as the system would have
    Untouched,  // not theirs (or not a key): the caller goes on as before
};

// Offers a WM_KEYDOWN, WM_SYSKEYDOWN or WM_SYSCHAR to `rules`. Access keys
// go by the character a key types in the player's layout (Alt+Ф on a
// Russian keyboard, whose key is the Latin A), which comes in the WM_SYSCHAR
// after the key: so Alt and a letter or digit key is offered with both its
// Latin letter and that character, the WM_SYSCHAR taken from the queue
// (one already waiting, as an input method sends it, else made now by
// translating the key). A WM_SYSCHAR that comes alone (Alt+Ü, whose key
// has no Latin letter) is offered as the character it types. A character
// beyond U+FFFF comes in two halves and is offered joined.
KeyOutcome offerKey(const MSG& message, const std::function<bool(const ui::KeyPress&)>& rules);

// SB_LINELEFT and the rest of a horizontal scroll bar's WM_HSCROLL codes;
// nothing for SB_ENDSCROLL, which only says the player is done.
std::optional<ui::ScrollRequest> scrollRequestOf(int code);

// The pointer moving over a control, or a mouse button let go over it;
// nothing for any other message.
std::optional<ui::PointerEvent> pointerEventOf(UINT message);

}  // namespace tenebrix::win32
