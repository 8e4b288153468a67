// SPDX-License-Identifier: GPL-3.0-or-later
// The program's start: the splash screen first, then the event loop until
// the last window has gone.
#pragma once

#include <windows.h>

namespace tenebrix::win32 {

// Runs the whole program; returns its exit status.
int runProgram(HINSTANCE instance);

}  // namespace tenebrix::win32
