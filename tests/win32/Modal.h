// SPDX-License-Identifier: GPL-3.0-or-later
// Acting inside a modal loop (a dialog, a message box): the action runs from
// a timer that the modal loop itself delivers, then the timer stops.
#pragma once

#include <windows.h>

#include <functional>

namespace tenebrix::testing {

// Runs `action` once, 50 ms after the next modal loop starts delivering
// messages. An action may ask for the next one.
void duringModal(std::function<void()> action);
// Drops an action that has not run, so it cannot run in a later test.
void cancelDuringModal();

// The enabled, visible top-level window of this thread with class `className`
// owned by `owner`, or null.
HWND ownedWindow(HWND owner, const wchar_t* className);

}  // namespace tenebrix::testing
