// SPDX-License-Identifier: GPL-3.0-or-later
// The program's start: the splash screen first, then the event loop until
// the last window has gone.
#pragma once

#include <windows.h>

namespace tenebrix::win32 {

class frmMain;

// Per-monitor aware of the screen's dots per inch, the common controls
// loaded: what every window of the game needs before the first is made.
void prepareProcess();

// Gives a keyboard message meant for the main window or one of its
// controls to the window's rules first, then what they leave to the tab
// chain; true when it needs no dispatching. Characters bypass the tab
// chain, whose dialog manager would take a plain letter for an access key.
bool routeKeyboard(frmMain& main, MSG& message);

// Runs the whole program; returns its exit status.
int runProgram(HINSTANCE instance);

}  // namespace tenebrix::win32
