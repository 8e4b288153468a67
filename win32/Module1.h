// SPDX-License-Identifier: GPL-3.0-or-later
// The program's start: the splash screen first, then the event loop until
// the last window has gone.
#pragma once

#include <windows.h>

namespace tenebrix::win32 {

class frmMain;
struct Services;

// Libraries loaded from the system folder only, never from the program's
// own (the zip is often unpacked into Downloads, beside whatever a web page
// left there); per-monitor aware of the screen's dots per inch; the common
// controls loaded: what the game needs before anything else.
void prepareProcess();

// Gives a keyboard message meant for the main window or one of its
// controls to the window's rules first, then what they leave to the tab
// chain; true when it needs no dispatching. Characters bypass the tab
// chain, whose dialog manager would take a plain letter for an access key.
bool routeKeyboard(frmMain& main, MSG& message);

// The splash, then the main window, on `services`, and the event loop until
// the main window has gone, or the splash has gone without handing over to
// it: the program never runs on without a window. Returns the exit status.
int runGame(HINSTANCE instance, Services& services);

// Runs the whole program on the system's services; returns its exit status.
int runProgram(HINSTANCE instance);

}  // namespace tenebrix::win32
