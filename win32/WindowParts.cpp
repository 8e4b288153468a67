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
