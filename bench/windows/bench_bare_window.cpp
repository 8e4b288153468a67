// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for the game's start-up and memory on Windows: a bare
// Windows-API window with a three-menu bar and 25 child windows, nothing
// else. Built with the same compiler and options as TENEBRIX.exe; with
// TENEBRIX_TRACE_STARTUP=1 it reports its first paint as the game does.
#include <windows.h>

#include <string>

#include "StartupTrace.h"

namespace {

constexpr int kChildren = 25;
constexpr int kChildSide = 40;
constexpr int kGap = 8;

HMENU makeMenuBar() {
    HMENU bar = CreateMenu();
    const wchar_t* titles[] = {L"&File", L"&View", L"&Help"};
    int id = 100;
    for (const wchar_t* title : titles) {
        HMENU menu = CreatePopupMenu();
        AppendMenuW(menu, MF_STRING, ++id, L"&First");
        AppendMenuW(menu, MF_STRING, ++id, L"&Second");
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(menu), title);
    }
    return bar;
}

void addChildren(HWND window, HINSTANCE instance) {
    for (int n = 0; n < kChildren; ++n) {
        const int x = kGap + (n % 5) * (kChildSide + kGap),
                  y = kGap + (n / 5) * (kChildSide + kGap);
        CreateWindowExW(WS_EX_CLIENTEDGE, L"STATIC", std::to_wstring(n + 1).c_str(),
                        WS_CHILD | WS_VISIBLE | SS_CENTER, x, y, kChildSide, kChildSide, window,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(n + 1)), instance, nullptr);
    }
}

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            BeginPaint(window, &paint);
            EndPaint(window, &paint);
            tenebrix::win32::traceFirstPaint(window, "window painted");
            return 0;
        }
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = L"BareWindow";
    RegisterClassW(&windowClass);
    HWND window =
        CreateWindowExW(0, L"BareWindow", L"Bare window", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                        CW_USEDEFAULT, 480, 400, nullptr, makeMenuBar(), instance, nullptr);
    addChildren(window, instance);
    ShowWindow(window, show);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
