// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's life and what the player does in it.
#include "frmMain.h"

#include <commctrl.h>

#include "BoardKeys.h"
#include "Controls.h"
#include "GameCommands.h"
#include "MainControls.h"
#include "MainMenu.h"
#include "MainWindowForm.h"
#include "PixelPicture.h"
#include "Placement.h"
#include "ProgramIcon.h"
#include "WideText.h"
#include "frmAbout.h"

namespace tenebrix::win32 {

namespace main = forms::frmMain;
using forms::MenuCommand;

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
    windowClass.hIcon = programIconHandle(GetSystemMetrics(SM_CXICON));
    windowClass.hIconSm = programIconHandle(GetSystemMetrics(SM_CXSMICON));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kMainClass;
    RegisterClassExW(&windowClass);
}

char decimalSeparator() {
    wchar_t separator[8] = L".";
    GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8);
    return separator[0] < 128 ? static_cast<char>(separator[0]) : '.';
}

}  // namespace

frmMain::frmMain(HINSTANCE instance, Services& services)
    : instance_(instance),
      services_(services),
      game_(*this, services.random),
      statusBar_(services.clock) {}

frmMain::~frmMain() {
    if (window_) DestroyWindow(window_);
    if (accelerators_) DestroyAcceleratorTable(accelerators_);
    DeleteObject(formFont_);
    DeleteObject(boldFont_);
}

void frmMain::Show(std::function<void()> closed) {
    closed_ = std::move(closed);
    registerControlClasses(instance_);
    registerMainClass(instance_, windowProc);
    accelerators_ = createMainAccelerators();
    CreateWindowExW(0, kMainClass, widen(main::kCaption).c_str(), WS_OVERLAPPEDWINDOW,
                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                    createMainMenu(), instance_, this);
    createControls();
    dpi_ = dpiOf(window_);
    placeAtStart();
    layout();
    game_.Form_Load();
    ShowWindow(window_, SW_SHOWNORMAL);
    UpdateWindow(window_);
    SetFocus(control(kCmdHint));
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
            onCommand(LOWORD(wParam), HIWORD(wParam) == 1 && lParam == 0);
            return 0;
        case WM_HSCROLL:
            onScroll(reinterpret_cast<HWND>(lParam), LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_MOUSEMOVE:  // the bare window, the gaps between the tiles too
            game_.HideMove();
            return 0;
        case kChildPointerMessage:
            onChildPointer(static_cast<int>(wParam), static_cast<UINT>(lParam));
            return 0;
        case kTileArrowMessage:
            onTileArrow(static_cast<int>(wParam) - kTileBase, static_cast<WPARAM>(lParam));
            return 0;
        case WM_TIMER:
            if (wParam == kClockTimer) statusBar_.tick();
            return 0;
        case WM_SIZE:
            if (statusBar_.window()) statusBar_.layout(dpi_);
            return 0;
        case WM_DPICHANGED:
            onDpiChanged(*reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_CLOSE:
            Form_Unload();
            DestroyWindow(window_);
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

// On another screen: the size the system suggests, every control placed again.
void frmMain::onDpiChanged(const RECT& suggested) {
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    layout();
}

void frmMain::onDestroyed() {
    window_ = nullptr;
    auto closed = std::move(closed_);
    if (closed) closed();
}

void frmMain::onCommand(int id, bool fromAccelerator) {
    if (id > kTileBase && id <= kTileBase + kTileCount) {
        moveBoardStop(id - kTileBase);
        game_.picTile_Click(id - kTileBase);
        return;
    }
    // An access key presses its button, which takes the focus as a click would.
    if (fromAccelerator && (id == kCmdHint || id == kCmdNewPuzzle || id == kCmdReset)) {
        SetFocus(control(id));
    }
    switch (id) {
        case kCmdHint:
            game_.cmdHint_Click();
            return;
        case kCmdNewPuzzle:
            game_.cmdNewPuzzle_Click();
            return;
        case kCmdReset:
            game_.cmdReset_Click();
            return;
        default:
            onMenuCommand(id);
            return;
    }
}

void frmMain::onMenuCommand(int id) {
    const auto command = static_cast<MenuCommand>(id - kMenuBase);
    if (forms::runGameCommand(game_, command)) return;
    switch (command) {
        case MenuCommand::Exit:
            SendMessageW(window_, WM_CLOSE, 0, 0);
            break;
        case MenuCommand::ViewStatusBar:
            mnuViewStatusBar_Click();
            break;
        case MenuCommand::HelpContents:
            mnuHelpContents_Click();
            break;
        case MenuCommand::HelpAbout:
            frmAbout::ShowModal(instance_, window_, services_);
            break;
        default:
            break;
    }
}

// One step per arrow and per click in the track; a drag of the thumb counts
// only where it is let go.
void frmMain::onScroll(HWND bar, int code, int thumbPosition) {
    SCROLLINFO info;
    ZeroMemory(&info, sizeof info);
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(bar, SB_CTL, &info);
    int value = info.nPos;
    switch (code) {
        case SB_LINELEFT:
            value -= main::kScrollSmallChange;
            break;
        case SB_LINERIGHT:
            value += main::kScrollSmallChange;
            break;
        case SB_PAGELEFT:
            value -= main::kScrollLargeChange;
            break;
        case SB_PAGERIGHT:
            value += main::kScrollLargeChange;
            break;
        case SB_THUMBPOSITION:
            value = thumbPosition;
            break;
        case SB_LEFT:
            value = info.nMin;
            break;
        case SB_RIGHT:
            value = info.nMax;
            break;
        default:
            return;
    }
    value = std::clamp(value, info.nMin, info.nMax);
    if (value == info.nPos) return;
    SetScrollPos(bar, SB_CTL, value, TRUE);
    switch (GetDlgCtrlID(bar)) {
        case kScrollTileSet:
            game_.ScrollTileSet_Change(value);
            break;
        case kScrollMode:
            game_.ScrollMode_Change(value);
            break;
        case kScrollLevel:
            game_.ScrollLevel_Change(value);
            break;
        default:
            break;
    }
}

// The pointer over a tile previews its move; over the frame, Hint or Reset
// it takes the preview off; over a tile number it asks for no tile; a
// button released over New Puzzle takes it off too.
void frmMain::onChildPointer(int id, UINT message) {
    const bool moved = message == WM_MOUSEMOVE;
    if (moved && id > kTileBase && id <= kTileBase + kTileCount) {
        game_.picTile_MouseMove(id - kTileBase);
    } else if (moved && id > kTileNumberBase && id <= kTileNumberBase + kTileCount) {
        game_.lblTileNumbers_MouseMove();
    } else if (moved && (id == kFrame1 || id == kCmdHint || id == kCmdReset)) {
        game_.HideMove();
    } else if (message != WM_MOUSEMOVE && id == kCmdNewPuzzle) {
        game_.HideMove();
    }
}

void frmMain::onTileArrow(int tile, WPARAM key) {
    const int rows = key == VK_UP ? -1 : key == VK_DOWN ? 1 : 0;
    const int columns = key == VK_LEFT ? -1 : key == VK_RIGHT ? 1 : 0;
    moveBoardStop(ui::steppedTile(tile, rows, columns));
    SetFocus(control(kTileBase + boardStop_));
}

// One tile at a time is the board's place in the tab chain.
void frmMain::moveBoardStop(int tile) {
    // A style change is a round trip to the window server and two
    // messages: only the tiles that gain or lose the stop are changed.
    for (int n = 1; n <= kTileCount; ++n) {
        HWND box = control(kTileBase + n);
        const LONG_PTR style = GetWindowLongPtrW(box, GWL_STYLE);
        const LONG_PTR wanted = n == tile ? style | WS_TABSTOP : style & ~WS_TABSTOP;
        if (wanted != style) SetWindowLongPtrW(box, GWL_STYLE, wanted);
    }
    boardStop_ = tile;
}

// Nothing else moves: without the status bar its strip is bare window.
void frmMain::mnuViewStatusBar_Click() {
    HMENU menu = GetMenu(window_);
    const UINT item = static_cast<UINT>(menuId(MenuCommand::ViewStatusBar));
    const bool shown = GetMenuState(menu, item, MF_BYCOMMAND) & MF_CHECKED;
    ShowWindow(statusBar_.window(), shown ? SW_HIDE : SW_SHOW);
    CheckMenuItem(menu, item, MF_BYCOMMAND | (shown ? MF_UNCHECKED : MF_CHECKED));
}

void frmMain::mnuHelpContents_Click() {
    if (services_.helpFilePath.empty()) {
        services_.messages.show(window_, {main::kNoHelpMessage, main::kCaption, MessageButtons::Ok,
                                          MessageIcon::Information});
        return;
    }
    if (const auto error = services_.help.showContents(window_, services_.helpFilePath)) {
        services_.messages.show(window_, {narrow(*error), main::kCaption});
    }
}

// The About box, the one other window, closes with the game; a minimised
// window keeps its last placement.
void frmMain::Form_Unload() {
    frmAbout::CloseOpen();
    if (IsIconic(window_)) return;
    RECT outer;
    GetWindowRect(window_, &outer);
    const float values[4] = {static_cast<float>(dpi_.twips(outer.left)),
                             static_cast<float>(dpi_.twips(outer.top)),
                             static_cast<float>(dpi_.twips(outer.right - outer.left)),
                             static_cast<float>(dpi_.twips(outer.bottom - outer.top))};
    const char separator = decimalSeparator();
    for (int i = 0; i < 4; ++i) {
        services_.settings.SaveSetting(
            widen(main::kSettingsApplication), widen(main::kSettingsSection),
            widen(main::kPlacementKeys[i]), widen(ui::placementText(values[i], separator)));
    }
}

}  // namespace tenebrix::win32
