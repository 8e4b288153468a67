// SPDX-License-Identifier: GPL-3.0-or-later
// Twips to the screen's pixels at a window's dots per inch. Geometry scales
// with the dots per inch; pictures scale by whole factors only, pixel for
// pixel, so they stay crisp: doubled at 192, as drawn at 120 and 144.
#pragma once

#include <windows.h>

#include "Twips.h"

namespace tenebrix::win32 {

inline constexpr int kBaseDpi = 96;

struct Dpi {
    int dpi = kBaseDpi;

    // Through the pixels at 96 dots per inch, so every box keeps its
    // designed size in whole pixels (a 545-twip tile is 36 pixels).
    int px(int twips) const { return MulDiv(forms::twipsToPixels(twips), dpi, kBaseDpi); }
    RECT rect(const forms::TwipRect& place, POINT origin = {0, 0}) const {
        const int left = origin.x + px(place.left), top = origin.y + px(place.top);
        return {left, top, left + px(place.width), top + px(place.height)};
    }
    int pictureScale() const { return dpi >= 2 * kBaseDpi ? dpi / kBaseDpi : 1; }
    // A font of `points` at this density, as LOGFONT's height wants it.
    int fontHeight(double points) const { return -static_cast<int>(points * dpi / 72.0 + 0.5); }
    // Twips of a length given in pixels at this density.
    double twips(int pixels) const { return pixels * 1440.0 / dpi; }
};

inline Dpi dpiOf(HWND window) {
    const UINT dpi = window ? GetDpiForWindow(window) : GetDpiForSystem();
    return Dpi{dpi ? static_cast<int>(dpi) : kBaseDpi};
}

// The new density a WM_DPICHANGED gives `window`; the window's own should
// the message carry none.
inline Dpi dpiOfMessage(WPARAM wParam, HWND window) {
    const int dpi = HIWORD(wParam);
    return dpi > 0 ? Dpi{dpi} : dpiOf(window);
}

}  // namespace tenebrix::win32
