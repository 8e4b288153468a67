// SPDX-License-Identifier: GPL-3.0-or-later
// Fonts, screens and child controls.
#include "WindowParts.h"

#include "WideText.h"

namespace tenebrix::win32 {

HFONT createFont(const char* family, double points, bool bold, Dpi dpi) {
    LOGFONTW font{};
    font.lfHeight = dpi.fontHeight(points);
    font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    widen(family).copy(font.lfFaceName, LF_FACESIZE - 1);
    return CreateFontIndirectW(&font);
}

RECT screenOf(HWND window) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    return monitor.rcMonitor;
}

void placeClientCentred(HWND window, SIZE client, const RECT& area, Dpi dpi) {
    RECT outer{0, 0, client.cx, client.cy};
    AdjustWindowRectExForDpi(&outer, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)),
                             FALSE, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE)),
                             static_cast<UINT>(dpi.dpi));
    SIZE size{outer.right - outer.left, outer.bottom - outer.top};
    for (int attempt = 0; attempt < 2; ++attempt) {
        SetWindowPos(window, nullptr, (area.left + area.right - size.cx) / 2,
                     (area.top + area.bottom - size.cy) / 2, size.cx, size.cy,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        RECT made;
        GetClientRect(window, &made);
        if (made.right == client.cx && made.bottom == client.cy) return;
        size.cx += client.cx - made.right;
        size.cy += client.cy - made.bottom;
    }
}

HWND createChild(HWND parent, const wchar_t* className, const std::wstring& text, DWORD style,
                 int id, const RECT& place, bool visible) {
    const DWORD shown = visible ? WS_VISIBLE : 0;
    return CreateWindowExW(
        0, className, text.c_str(), WS_CHILD | shown | WS_CLIPSIBLINGS | style, place.left,
        place.top, place.right - place.left, place.bottom - place.top, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
}

}  // namespace tenebrix::win32
