// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's menu bar and keyboard shortcuts, made from the forms.
#pragma once

#include <windows.h>

namespace tenebrix::win32 {

// File, View and Help with their items, access keys, shortcut texts and
// check marks as at start.
HMENU createMainMenu();

// Ctrl+H, Ctrl+N and Ctrl+R run the File menu's items; Alt+H, Alt+N and
// Alt+R press the buttons. The Hint button and the Help menu both claim
// Alt+H: the window's own control comes first, as on every system the game
// runs on; the Help menu stays reachable with F10 and the arrows.
HACCEL createMainAccelerators();

}  // namespace tenebrix::win32
