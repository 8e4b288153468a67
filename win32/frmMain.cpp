// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's life, what the player does in it turned into calls on
// the window's rules, and the window's parts the rules ask for.
#include "frmMain.h"

#include <commctrl.h>

#include "Captions.h"
#include "Controls.h"
#include "MainMenu.h"
#include "MainWindowForm.h"
#include "NativeEvents.h"
#include "ProgramIcons.h"
#include "WideText.h"
#include "frmAbout.h"

namespace tenebrix::win32 {

namespace main = forms::frmMain;
using forms::Control;

namespace {

constexpr const wchar_t* kMainClass = L"TenebrixMain";

void registerMainClass(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExW(instance, kMainClass, &existing)) return;
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = programIcons().icon(GetSystemMetrics(SM_CXICON));
    windowClass.hIconSm = programIcons().icon(GetSystemMetrics(SM_CXSMICON));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kMainClass;
    RegisterClassExW(&windowClass);
}

ui::MainWindowServices layerServices(const Services& services) {
    return {services.random, services.settings, services.clock, narrow(services.helpFilePath)};
}

}  // namespace

frmMain::frmMain(HINSTANCE instance, Services& services)
    : instance_(instance), services_(services), layer_(*this, layerServices(services)) {}

frmMain::~frmMain() {
    if (window_) DestroyWindow(window_);
}

void frmMain::Show(std::function<void()> closed) {
    closed_ = std::move(closed);
    registerControlClasses(instance_);
    registerMainClass(instance_, windowProc);
    CreateWindowExW(0, kMainClass, widen(ui::windowTitle(main::kCaption)).c_str(),
                    WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                    nullptr, createMainMenu(), instance_, this);
    dpi_ = dpiOf(window_);
    setWindowIcons(window_, dpi_);
    createControls();
    placeAtStart();
    layout();
    layer_.Form_Load();
    ShowWindow(window_, SW_SHOWNORMAL);
    UpdateWindow(window_);
    setFocus(main::control(main::kFocusAtStart));
}

LRESULT CALLBACK frmMain::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self =
            static_cast<frmMain*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<frmMain*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return self ? self->handle(message, wParam, lParam)
                : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT frmMain::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            onCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
            return 0;
        case WM_HSCROLL:
            onScroll(reinterpret_cast<HWND>(lParam), LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_MOUSEMOVE:  // the bare window, the gaps between the tiles too
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
            if (const auto event = pointerEventOf(message)) layer_.pointerMoved(nullptr, *event);
            return 0;
        case kChildPointerMessage:
            onChildPointer(static_cast<int>(wParam), static_cast<UINT>(lParam));
            return 0;
        case WM_TIMER:
            if (wParam == kClockTimer) tickClock();
            return 0;
        case WM_SIZE:
            statusBar_.layout(dpi_);
            return 0;
        case WM_DPICHANGED:
            onDpiChanged(dpiOfMessage(wParam, window_), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_ACTIVATE:
            if (onActivate(LOWORD(wParam), HIWORD(wParam) != 0)) return 0;
            return DefWindowProcW(window_, message, wParam, lParam);
        case WM_SETFOCUS:  // restored from the taskbar, say
            giveFocusBack();
            return 0;
        case WM_CLOSE:
            layer_.Form_Unload();
            DestroyWindow(window_);
            return 0;
        // Log-off and shutdown end the program without closing its window:
        // the placement is written as closing writes it.
        case WM_QUERYENDSESSION:
            return TRUE;
        case WM_ENDSESSION:
            if (wParam) layer_.Form_Unload();
            return 0;
        case WM_DESTROY:
            KillTimer(window_, kClockTimer);
            return 0;
        case WM_NCDESTROY:
            onDestroyed();
            return 0;
        default:
            return DefWindowProcW(window_, message, wParam, lParam);
    }
}

// On another screen: the size the system suggests, every control placed
// again and the icons drawn at the new density.
void frmMain::onDpiChanged(Dpi dpi, const RECT& suggested) {
    dpi_ = dpi;
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    setWindowIcons(window_, dpi_);
    layout();
}

// Activated again, Windows gives the focus to the window itself, so Space
// and the arrows would do nothing until Tab: the control that had it on
// leaving gets it back instead, as a dialog's does. True when it did.
bool frmMain::onActivate(WORD state, bool minimised) {
    if (state == WA_INACTIVE) {
        rememberFocus();
        return false;
    }
    return !minimised && giveFocusBack();
}

// Also before a modal box: disabling the window for it takes the focus away
// before the window is deactivated.
void frmMain::rememberFocus() {
    HWND focus = GetFocus();
    if (window_ && focus && IsChild(window_, focus)) lastFocus_ = focus;
}

bool frmMain::giveFocusBack() {
    if (!window_ || !lastFocus_ || !IsChild(window_, lastFocus_) || !IsWindowVisible(lastFocus_) ||
        !IsWindowEnabled(lastFocus_)) {
        return false;
    }
    SetFocus(lastFocus_);
    return true;
}

void frmMain::onDestroyed() {
    window_ = nullptr;
    auto closed = std::move(closed_);
    if (closed) closed();
}

// A click on a tile or a button, or a menu item chosen.
void frmMain::onCommand(int id, int notification, HWND from) {
    if (!from) {
        layer_.command(menuCommandOf(id));
        return;
    }
    const Control* row = kMainIds.row(id);
    if (!row || notification != BN_CLICKED) return;
    if (row->boardTile) {
        // A tile clicked becomes the board's stop in the tab chain.
        setBoardStop(row->index);
        layer_.tileClicked(row->index);
    } else if (row->kind == forms::ControlKind::Button) {
        layer_.buttonClicked(*row);
    }
}

void frmMain::onScroll(HWND bar, int code, int thumbPosition) {
    const Control* row = kMainIds.row(GetDlgCtrlID(bar));
    const auto request = scrollRequestOf(code);
    if (!row || row->kind != forms::ControlKind::ScrollBar || !request) return;
    layer_.scrolled(*row, GetScrollPos(bar, SB_CTL), *request, thumbPosition);
}

void frmMain::onChildPointer(int id, UINT message) {
    const Control* row = kMainIds.row(id);
    const auto event = pointerEventOf(message);
    if (row && event) layer_.pointerMoved(row, *event);
}

// The date and the time, and a wake-up when they next change.
void frmMain::tickClock() {
    const int wait = layer_.clockTick();
    statusBar_.layout(dpi_);
    SetTimer(window_, kClockTimer, static_cast<UINT>(wait), nullptr);
}

// One tile at a time is the board's place in the tab chain.
void frmMain::setBoardStop(int stop) {
    // A style change is a round trip to the window server and two
    // messages: only the tiles that gain or lose the stop are changed.
    for (int n = 1; n <= kTileCount; ++n) {
        HWND box = tile(n);
        const LONG_PTR style = GetWindowLongPtrW(box, GWL_STYLE);
        const LONG_PTR wanted = n == stop ? style | WS_TABSTOP : style & ~WS_TABSTOP;
        if (wanted != style) SetWindowLongPtrW(box, GWL_STYLE, wanted);
    }
}

// --- MainWindowView ---

void frmMain::setStatusBarVisible(bool visible) {
    ShowWindow(statusBar_.window(), visible ? SW_SHOW : SW_HIDE);
}

void frmMain::setMenuChecked(forms::MenuCommand item, bool checked) {
    CheckMenuItem(GetMenu(window_), static_cast<UINT>(menuId(item)),
                  MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void frmMain::setScrollValue(const Control& bar, int value) {
    SetScrollPos(control(bar), SB_CTL, value, TRUE);
}

const Control* frmMain::focusedControl() const {
    HWND focus = GetFocus();
    if (!window_ || !focus || !IsChild(window_, focus)) return nullptr;
    return kMainIds.row(GetDlgCtrlID(focus));
}

void frmMain::setFocus(const Control& control) {
    if (window_) SetFocus(this->control(control));
}

void frmMain::moveBoardStop(int stop) {
    setBoardStop(stop);
    SetFocus(tile(stop));
}

// As the system's own Alt and letter, and F10, open them; posted, so the
// key that asked has gone before the menu takes the keyboard.
// The key is the translated title's, in any script: the menu bar compares
// it with the titles' marked letters without regard to case.
void frmMain::openMenu(const forms::Menu& menu) {
    const char32_t key = forms::accessKeyCharacter(ui::captionOf(menu));
    const char32_t lower = key >= U'A' && key <= U'Z' ? key - U'A' + U'a' : key;
    PostMessageW(window_, WM_SYSCOMMAND, SC_KEYMENU, static_cast<LPARAM>(lower));
}

void frmMain::activateMenuBar() {
    PostMessageW(window_, WM_SYSCOMMAND, SC_KEYMENU, 0);
}

// Modal: returns once the box has closed.
void frmMain::showAboutBox() {
    rememberFocus();
    frmAbout::ShowModal(instance_, window_, services_);
    layer_.aboutBoxClosed();
}

std::optional<std::string> frmMain::openHelp(const std::string& path) {
    if (const auto error = services_.help.showContents(window_, widen(path))) return narrow(*error);
    return std::nullopt;
}

void frmMain::closeWindow() {
    SendMessageW(window_, WM_CLOSE, 0, 0);
}

// The About box is the one other window.
void frmMain::closeOtherWindows() {
    frmAbout::CloseOpen();
}

bool frmMain::isMinimised() const {
    return IsIconic(window_);
}

ui::Placement frmMain::placement() const {
    RECT outer;
    GetWindowRect(window_, &outer);
    return {static_cast<float>(dpi_.twips(outer.left)), static_cast<float>(dpi_.twips(outer.top)),
            static_cast<float>(dpi_.twips(outer.right - outer.left)),
            static_cast<float>(dpi_.twips(outer.bottom - outer.top))};
}

std::string frmMain::decimalSeparator() const {
    wchar_t separator[8] = L".";
    if (!GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8)) return ".";
    return narrow(separator);
}

}  // namespace tenebrix::win32
