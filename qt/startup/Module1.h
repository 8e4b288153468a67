// SPDX-License-Identifier: GPL-3.0-or-later
// The program's start-up: the splash screen first, and through it the game.
#pragma once

#include <functional>

namespace tenebrix::startup {

// Shows the splash screen, painted at once, and returns to the event loop.
// The splash calls `showMainWindow` when its animation has run.
void Main(std::function<void()> showMainWindow);

}  // namespace tenebrix::startup
