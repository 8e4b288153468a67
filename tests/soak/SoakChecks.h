// What the soak checks after every event: the window against the play it
// expects, and the game's own bookkeeping against itself.
#pragma once

#include <QString>

#include "ExpectedPlay.h"
#include "SoakWindow.h"

namespace tenebrix::testing {

// The first disagreement found, or an empty string. Reads the pictures the
// tile boxes hold, the captions, the scroll bars and the menu's marks.
QString checkWindow(const SoakWindow& soak, const ExpectedPlay& expected);

// The board as drawn on screen: every opaque pixel of each tile's picture
// shows the lit or the dark picture of the expected tile set. Slower, so
// run now and then.
QString checkDrawnBoard(const SoakWindow& soak, const ExpectedPlay& expected);

}  // namespace tenebrix::testing
