// SPDX-License-Identifier: GPL-3.0-or-later
// The splash screen and its logo animation.
#include "frmSplash.h"

#include "Captions.h"
#include "ControlIds.h"
#include "Controls.h"
#include "Dpi.h"
#include "ProgramIcons.h"
#include "SplashForm.h"
#include "StartupTrace.h"
#include "WideText.h"
#include "WindowParts.h"

namespace tenebrix::win32 {

namespace splash = forms::frmSplash;

namespace {

constexpr const wchar_t* kSplashClass = L"TenebrixSplash";
constexpr DWORD kSplashStyle = WS_POPUP | WS_DLGFRAME;  // a fixed border, no title bar

// The row of the splash's timer, which ticks for its timeline.
constexpr std::size_t timerRow() {
    std::size_t row = 0;
    while (row < splash::kControls.size() &&
           splash::kControls[row].kind != forms::ControlKind::Timer) {
        ++row;
    }
    return row;
}
static_assert(timerRow() < splash::kControls.size(), "the splash's table holds its timer");

}  // namespace

UINT_PTR frmSplash::timerId() {
    return static_cast<UINT_PTR>(kSplashIds.id(splash::kControls[timerRow()]));
}

frmSplash::frmSplash(HINSTANCE instance, std::function<void()> handOver, std::function<void()> lost)
    : instance_(instance), handOver_(std::move(handOver)), lost_(std::move(lost)) {}

frmSplash::~frmSplash() {
    if (window_) DestroyWindow(window_);
}

void frmSplash::Show() {
    registerControlClasses(instance_);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (!GetClassInfoExW(instance_, kSplashClass, &windowClass)) {
        windowClass.lpfnWndProc = windowProc;
        windowClass.hInstance = instance_;
        windowClass.hIcon = programIcons().icon(GetSystemMetrics(SM_CXICON));
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = kSplashClass;
        RegisterClassExW(&windowClass);
    }
    CreateWindowExW(0, kSplashClass, widen(ui::windowTitle(splash::kCaption)).c_str(), kSplashStyle,
                    0, 0, 0, 0, nullptr, nullptr, instance_, this);
    createControls(window_, kSplashIds);
    placeAt(dpiOf(window_));
    SetTimer(window_, timerId(), ui::SplashTimeline::kTickMilliseconds, nullptr);
    ShowWindow(window_, SW_SHOWNORMAL);
    UpdateWindow(window_);
}

void frmSplash::placeAt(Dpi dpi) {
    dpi_ = dpi;
    placeClientCentred(window_, {dpi.px(splash::kWidth), dpi.px(splash::kHeight)},
                       screenOf(window_), dpi);
    placeControls(window_, kSplashIds, dpi, fonts_);
    setWindowIcons(window_, dpi);
    InvalidateRect(window_, nullptr, TRUE);
}

void frmSplash::paint() {
    PAINTSTRUCT paintInfo;
    HDC dc = BeginPaint(window_, &paintInfo);
    paintDrawnRows(dc, kSplashIds, dpi_);
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
            if (wParam == timerId()) timeline_.Timer1_Timer();
            return 0;
        // Alt+F4 and Close on a taskbar button come to this too, through
        // SC_CLOSE; until the hand-over they are refused, and the main
        // window still comes.
        case WM_CLOSE:
            if (!timeline_.mayClose()) return 0;
            break;
        // Moved to a screen of another density, or the density changed: the
        // splash at its designed size there, centred on its screen again.
        case WM_DPICHANGED:
            placeAt(dpiOfMessage(wParam, window_));
            return 0;
        // Gone before the hand-over (destroyed from outside the timeline, or
        // the program unwinding): the main window will never come, so the
        // program must not wait for it.
        case WM_DESTROY:
            KillTimer(window_, timerId());
            if (!timeline_.handedOver() && lost_) lost_();
            return 0;
        case WM_NCDESTROY:
            SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
            window_ = nullptr;
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

void frmSplash::setLogoFrameVisible(int frame, bool visible) {
    for (const forms::Control& row : splash::kControls) {
        if (row.picture == forms::StartPicture::LogoFrame && row.index == frame)
            ShowWindow(GetDlgItem(window_, kSplashIds.id(row)), visible ? SW_SHOW : SW_HIDE);
    }
}

void frmSplash::showMainWindow() {
    if (handOver_) handOver_();
}

void frmSplash::unloadSplash() {
    KillTimer(window_, timerId());
    DestroyWindow(window_);
}

}  // namespace tenebrix::win32
