// SPDX-License-Identifier: GPL-3.0-or-later
// The status bar with its text, date and time panels.
#include "StatusBar.h"

#include <commctrl.h>

#include <algorithm>

#include "MainWindowForm.h"
#include "Translate.h"
#include "WideText.h"

namespace tenebrix::win32 {

namespace main = forms::frmMain;

// The panels exist before their texts; their widths follow the texts.
void StatusBar::attach(HWND bar, Dpi dpi) {
    bar_ = bar;
    layout(dpi);
    setPanelText(main::kTextPanel, widen(i18n::tr(main::kStatusText)));
}

void StatusBar::setPanelText(int panel, const std::wstring& text) {
    SendMessageW(bar_, SB_SETTEXTW, static_cast<WPARAM>(panel - 1),
                 reinterpret_cast<LPARAM>(text.c_str()));
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

void StatusBar::layout(Dpi dpi) {
    if (!bar_) return;
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
