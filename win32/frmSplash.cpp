// SPDX-License-Identifier: GPL-3.0-or-later
// The splash screen and its logo animation.
#include "frmSplash.h"

#include <algorithm>

#include "Controls.h"
#include "Dpi.h"
#include "LogoFrames.h"
#include "PixelPicture.h"
#include "SplashForm.h"
#include "StartupTrace.h"
#include "WideText.h"
#include "WindowParts.h"

namespace tenebrix::win32 {

namespace splash = forms::frmSplash;

namespace {

constexpr const wchar_t* kSplashClass = L"TenebrixSplash";
constexpr DWORD kSplashStyle = WS_POPUP | WS_DLGFRAME;  // a fixed border, no title bar

POINT frameOrigin(Dpi dpi) {
    return {dpi.px(splash::fraMainFrame.left), dpi.px(splash::fraMainFrame.top)};
}

// A label that grows keeps its left edge and widens to its caption.
RECT labelPlace(HWND window, const splash::Label& label, HFONT font, Dpi dpi) {
    RECT place = dpi.rect(label.place, frameOrigin(dpi));
    if (!label.growsToText) return place;
    HDC dc = GetDC(window);
    HGDIOBJ old = SelectObject(dc, font);
    const std::wstring caption = widen(label.caption);
    SIZE size{};
    GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(window, dc);
    place.right = std::max(place.right, place.left + size.cx);
    place.bottom = std::max(place.bottom, place.top + size.cy);
    return place;
}

}  // namespace

frmSplash::frmSplash(HINSTANCE instance, std::function<void()> handOver)
    : instance_(instance), handOver_(std::move(handOver)) {}

frmSplash::~frmSplash() {
    if (window_) DestroyWindow(window_);
    for (HFONT font : fonts_) DeleteObject(font);
}

void frmSplash::Show() {
    registerControlClasses(instance_);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (!GetClassInfoExW(instance_, kSplashClass, &windowClass)) {
        windowClass.lpfnWndProc = windowProc;
        windowClass.hInstance = instance_;
        windowClass.hIcon = programIconHandle(GetSystemMetrics(SM_CXICON));
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = kSplashClass;
        RegisterClassExW(&windowClass);
    }
    CreateWindowExW(0, kSplashClass, widen(splash::kCaption).c_str(), kSplashStyle, 0, 0, 0, 0,
                    nullptr, nullptr, instance_, this);
    const Dpi dpi = dpiOf(window_);
    RECT outer{0, 0, dpi.px(splash::kWidth), dpi.px(splash::kHeight)};
    AdjustWindowRectExForDpi(&outer, kSplashStyle, FALSE, 0, static_cast<UINT>(dpi.dpi));
    const int width = outer.right - outer.left, height = outer.bottom - outer.top;
    const RECT screen = screenOf(window_);
    SetWindowPos(window_, nullptr, (screen.left + screen.right - width) / 2,
                 (screen.top + screen.bottom - height) / 2, width, height, SWP_NOZORDER);
    createControls();
    SetTimer(window_, kSplashTimer, splash::kTickMilliseconds, nullptr);
    ShowWindow(window_, SW_SHOWNORMAL);
    UpdateWindow(window_);
}

void frmSplash::createControls() {
    const Dpi dpi = dpiOf(window_);
    const POINT origin = frameOrigin(dpi);
    const int scale = dpi.pictureScale();
    const int box = (splash::kLogoPicturePixels + 4) * scale;
    for (int k = 0; k < splash::kLogoFrames; ++k) {
        const int left = origin.x + dpi.px(splash::kLogoLeft),
                  top = origin.y + dpi.px(splash::kLogoTop);
        HWND logo = createPictureBox(window_, kLogoBase + k, {left, top, left + box, top + box},
                                     {Border::Sunken, false});
        setPictureScale(logo, scale);
        setPicture(logo, pictures::logoFrame(k));
        if (k != 0) ShowWindow(logo, SW_HIDE);
    }
    int index = 0;
    for (const splash::Label& label : splash::kLabels) {
        HFONT font = fonts_[index++] =
            createFont(splash::kFontFamilies[0], label.points, label.bold, dpi);
        const Align align = label.align == splash::Align::Right ? Align::Right : Align::Left;
        HWND control = createLabel(window_, 0, labelPlace(window_, label, font, dpi),
                                   widen(label.caption), {align, label.wordWrap});
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
    }
}

// The frame's etched edge, and across it the separator: a 2-pixel grey
// line with a line in the window's colour over its top.
void frmSplash::paint() {
    PAINTSTRUCT paintInfo;
    HDC dc = BeginPaint(window_, &paintInfo);
    const Dpi dpi = dpiOf(window_);
    RECT frame = dpi.rect(splash::fraMainFrame);
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    const POINT origin = frameOrigin(dpi);
    const int thin = std::max(1, dpi.dpi / kBaseDpi);
    const int left = origin.x + dpi.px(splash::kLineLeft),
              right = origin.x + dpi.px(splash::kLineRight);
    const int top = origin.y + dpi.px(splash::kLineTop);
    RECT line1{left, top, right, top + 2 * thin};
    RECT line2{left, top, right, top + thin};
    HBRUSH grey = CreateSolidBrush(RGB(128, 128, 128));
    FillRect(dc, &line1, grey);
    FillRect(dc, &line2, GetSysColorBrush(COLOR_WINDOW));
    DeleteObject(grey);
    EndPaint(window_, &paintInfo);
    traceFirstPaint(window_, "splash painted");
}

LRESULT CALLBACK frmSplash::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self =
            static_cast<frmSplash*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<frmSplash*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return self ? self->handle(message, wParam, lParam)
                : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT frmSplash::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            paint();
            return 0;
        case WM_TIMER:
            if (wParam == kSplashTimer) Timer1_Timer();
            return 0;
        case WM_NCDESTROY:
            SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
            window_ = nullptr;
            return 0;
        default:
            return DefWindowProcW(window_, message, wParam, lParam);
    }
}

// Tick 1 changes nothing, ticks 2 to 6 step the logo, tick 7 hands over.
void frmSplash::Timer1_Timer() {
    const int tick = ticks_;
    if (tick >= 1 && tick < splash::kLogoFrames) {
        ShowWindow(GetDlgItem(window_, kLogoBase + tick - 1), SW_HIDE);
        ShowWindow(GetDlgItem(window_, kLogoBase + tick), SW_SHOW);
    } else if (tick == splash::kHandOverTick) {
        KillTimer(window_, kSplashTimer);
        if (handOver_) handOver_();
        DestroyWindow(window_);
    }
    ticks_ = tick + 1;
}

}  // namespace tenebrix::win32
