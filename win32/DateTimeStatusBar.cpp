// SPDX-License-Identifier: GPL-3.0-or-later
// The status bar with its text, date and time panels.
#include "DateTimeStatusBar.h"

#include <commctrl.h>

#include <algorithm>

#include "MainControls.h"
#include "MainWindowForm.h"
#include "WideText.h"

namespace tenebrix::win32 {

namespace main = forms::frmMain;

int millisecondsToNextMinute(const SYSTEMTIME& now) {
    return 60000 - (now.wSecond % 60) * 1000 - now.wMilliseconds % 1000;
}

std::wstring shortDateText(const SYSTEMTIME& time) {
    wchar_t text[128] = L"";
    GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, &time, nullptr, text, 128, nullptr);
    return text;
}

std::wstring shortTimeText(const SYSTEMTIME& time) {
    wchar_t text[128] = L"";
    GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, TIME_NOSECONDS, &time, nullptr, text, 128);
    return text;
}

void DateTimeStatusBar::create(HWND parent, int id) {
    bar_ = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | CCS_BOTTOM, 0, 0, 0, 0,
                           parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)),
                           nullptr);
    dpi_ = dpiOf(parent);
    showTime();
}

void DateTimeStatusBar::tick() {
    showTime();
}

// The panels exist before their texts; their widths follow the texts.
void DateTimeStatusBar::showTime() {
    const SYSTEMTIME now = clock_.now();
    layout(dpi_);
    SendMessageW(bar_, SB_SETTEXTW, main::kTextPanel - 1,
                 reinterpret_cast<LPARAM>(widen(main::kStatusText).c_str()));
    SendMessageW(bar_, SB_SETTEXTW, main::kDatePanel - 1,
                 reinterpret_cast<LPARAM>(shortDateText(now).c_str()));
    SendMessageW(bar_, SB_SETTEXTW, main::kTimePanel - 1,
                 reinterpret_cast<LPARAM>(shortTimeText(now).c_str()));
    layout(dpi_);
    SetTimer(GetParent(bar_), kClockTimer, static_cast<UINT>(millisecondsToNextMinute(now)),
             nullptr);
}

namespace {

int panelTextWidth(HWND bar, int panel) {
    const auto length = LOWORD(SendMessageW(bar, SB_GETTEXTLENGTHW, static_cast<WPARAM>(panel), 0));
    std::wstring text(length + 1u, L'\0');
    SendMessageW(bar, SB_GETTEXTW, static_cast<WPARAM>(panel),
                 reinterpret_cast<LPARAM>(text.data()));
    HDC dc = GetDC(bar);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(bar, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), length, &size);
    SelectObject(dc, old);
    ReleaseDC(bar, dc);
    return size.cx;
}

}  // namespace

void DateTimeStatusBar::layout(Dpi dpi) {
    dpi_ = dpi;
    RECT client;
    GetClientRect(GetParent(bar_), &client);
    const int least = dpi.px(main::kStatusPanelMinWidth);
    const int padding = MulDiv(12, dpi.dpi, kBaseDpi);  // the panel's bevel and margins
    const int date = std::max(least, panelTextWidth(bar_, main::kDatePanel - 1) + padding);
    const int time = std::max(least, panelTextWidth(bar_, main::kTimePanel - 1) + padding);
    const int text = std::max(least, static_cast<int>(client.right) - date - time);
    int edges[3] = {text, text + date, -1};
    SendMessageW(bar_, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(edges));
    SendMessageW(bar_, WM_SIZE, 0, 0);
}

}  // namespace tenebrix::win32
