// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's key events as the windows' rules read them: which key, and which of
// Alt, Ctrl and Shift were held. Every window of the game translates its
// keys here and nowhere else.
#pragma once

#include "Keys.h"

class QKeyEvent;

namespace tenebrix::qt {

// The keypad's own flag is no modifier: its Enter is Enter. A key held with
// the Meta (logo) key is the desktop's, never the game's: Key::Other. A key
// that typed a letter or digit of any script is Key::Letter, with the
// character it typed and its Latin letter where Qt knows one (Keys.h).
ui::KeyPress keyPressOf(const QKeyEvent& event);

}  // namespace tenebrix::qt
