// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's menu bar, made from the menu table. Its shortcuts (Ctrl
// and a letter) and access keys are the window's rules' (WindowKeys.h), so
// the window has no accelerator table of its own.
#pragma once

#include <windows.h>

namespace tenebrix::win32 {

// File, View and Help with their items, access keys, shortcut texts and
// check marks as at start.
HMENU createMainMenu();

}  // namespace tenebrix::win32
