// SPDX-License-Identifier: GPL-3.0-or-later
// What the windows must measure at each screen density the tests run at,
// worked out by hand from the designed sizes at 96 dots per inch (scaled,
// an exact half rounded up), never by the program's own arithmetic: a wrong
// rule there must not pass here too. Pictures scale by whole factors only,
// so they stay crisp: doubled at 192, as drawn at 120 and 144.
#pragma once

#include <windows.h>

#include <string>

#include "doctest/doctest.h"

// Sizes compared whole, and written out when a check fails.
inline bool operator==(const SIZE& a, const SIZE& b) {
    return a.cx == b.cx && a.cy == b.cy;
}
namespace doctest {
template <>
struct StringMaker<SIZE> {
    static String convert(const SIZE& size) {
        return (std::to_string(size.cx) + " x " + std::to_string(size.cy)).c_str();
    }
};
}  // namespace doctest

namespace tenebrix::testing {

struct Density {
    int dpi;
    int pictureScale;    // screen pixels per picture pixel
    int tileSide;        // a board tile's box: 545 twips, 36 pixels at 96
    SIZE mainClient;     // 6795 x 4920 twips
    SIZE splashClient;   // 7725 x 3780 twips
    SIZE aboutClient;    // 5655 x 2850 twips
    SIZE okButton;       // the About box's OK: 1260 x 345 twips
    int logoSide;        // the splash's logo box: 121 picture pixels and a 2-pixel border
    int formFontHeight;  // 8 points, as LOGFONT's height gives it
    int smallIcon, largeIcon;
};

inline constexpr Density kDensities[] = {
    {96, 1, 36, {453, 328}, {515, 252}, {377, 190}, {84, 23}, 125, -11, 16, 32},
    {120, 1, 45, {566, 410}, {644, 315}, {471, 238}, {105, 29}, 125, -13, 20, 40},
    {144, 1, 54, {680, 492}, {773, 378}, {566, 285}, {126, 35}, 125, -16, 24, 48},
    {192, 2, 72, {906, 656}, {1030, 504}, {754, 380}, {168, 46}, 250, -21, 32, 64},
};

// The row for `dpi`; null for a density the tests do not know.
inline const Density* densityOf(int dpi) {
    for (const Density& density : kDensities) {
        if (density.dpi == dpi) return &density;
    }
    return nullptr;
}

// The window's client size and a child's.
inline SIZE clientSize(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return {client.right, client.bottom};
}

// The side of the icon a window shows as `which` (ICON_SMALL, ICON_BIG); 0
// when it has none.
inline int iconSide(HWND window, WPARAM which) {
    const auto icon = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, which, 0));
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon, &info)) return 0;
    BITMAP bitmap{};
    GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    return bitmap.bmWidth;
}

}  // namespace tenebrix::testing
