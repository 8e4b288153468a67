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

// Sizes `window`, which has no menu, so that its client area is `client`
// (in pixels at `dpi`) and centres it in `area`. The frame is the one the
// system gives such a window at `dpi`, then corrected to the frame the
// window is drawn with, so the client area comes out whole either way.
void placeClientCentred(HWND window, SIZE client, const RECT& area, Dpi dpi);

// A child control of `parent` at `place`, clipped by its siblings.
HWND createChild(HWND parent, const wchar_t* className, const std::wstring& text, DWORD style,
                 int id, const RECT& place, bool visible = true);

}  // namespace tenebrix::win32
