// SPDX-License-Identifier: GPL-3.0-or-later
// Small pieces every window of the game is made of: its fonts at the
// screen's density, the screen it opens on, and child controls.
#pragma once

#include <windows.h>

#include <string>

#include "Dpi.h"

namespace tenebrix::win32 {

// `family` (UTF-8) at `points`, for a screen of `dpi`.
HFONT createFont(const char* family, double points, bool bold, Dpi dpi);

// The whole of the screen `window` is on, the primary one when it is on none.
RECT screenOf(HWND window);

// A child control of `parent` at `place`, clipped by its siblings.
HWND createChild(HWND parent, const wchar_t* className, const std::wstring& text, DWORD style,
                 int id, const RECT& place, bool visible = true);

}  // namespace tenebrix::win32
