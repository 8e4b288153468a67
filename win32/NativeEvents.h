// SPDX-License-Identifier: GPL-3.0-or-later
// The system's messages as the windows' rules take them: a key that went
// down, a scroll bar's request and the pointer over a control.
#pragma once

#include <windows.h>

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

// SB_LINELEFT and the rest of a horizontal scroll bar's WM_HSCROLL codes;
// nothing for SB_ENDSCROLL, which only says the player is done.
std::optional<ui::ScrollRequest> scrollRequestOf(int code);

// The pointer moving over a control, or a mouse button let go over it;
// nothing for any other message.
std::optional<ui::PointerEvent> pointerEventOf(UINT message);

}  // namespace tenebrix::win32
