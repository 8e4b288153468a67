// SPDX-License-Identifier: GPL-3.0-or-later
// The program's run from the splash to the main window's end; the splash
// screen's ticks, hand-over, refused close requests and place; the About
// box's modality, texts, keys, place and icon; the focus given back after
// another window was in front; the system's message boxes as the game asks
// for them; and every window's controls made from its table.
#include <doctest/doctest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "AboutForm.h"
#include "ControlIds.h"
#include "Densities.h"
#include "MainWindowFixture.h"
#include "MainWindowForm.h"
#include "Modal.h"
#include "Module1.h"
#include "ProgramIcons.h"
#include "SplashForm.h"
#include "SystemServices.h"
#include "VersionLine.h"
#include "WideText.h"
#include "frmAbout.h"
#include "frmSplash.h"

using namespace tenebrix;
using namespace tenebrix::testing;
using forms::Control;
using forms::ControlKind;

namespace {

HWND logo(HWND splash, int k) {
    return GetDlgItem(splash, win32::kSplashIds.id("picLogo", k));
}

HWND aboutButton(HWND about, const char* name) {
    return GetDlgItem(about, win32::kAboutIds.id(name));
}

void postKey(HWND target, UINT key, bool alt = false) {
    const LPARAM altBit = alt ? (1 << 29) : 0;
    PostMessageW(target, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, key, 1 | altBit);
    PostMessageW(target, alt ? WM_SYSKEYUP : WM_KEYUP, key,
                 static_cast<LPARAM>(0xC0000001u) | altBit);
}

std::wstring className(HWND window) {
    wchar_t name[64] = L"";
    GetClassNameW(window, name, 64);
    return name;
}

// Each row that is a window of its own is a child with its row's
// identifier, class, caption, visibility and tab stop; the children lie
// in the table's order, the first on top; Tab goes round the stops in the
// table's order, the board's tiles one stop.
void checkMadeFromTable(HWND window, const win32::ControlIds& ids) {
    std::vector<int> expectedOrder, expectedStops;
    for (const Control& row : ids.table()) {
        if (!win32::isChildControl(row)) continue;
        CAPTURE(row.fullName());
        HWND control = GetDlgItem(window, ids.id(row));
        REQUIRE(control != nullptr);
        expectedOrder.push_back(ids.id(row));
        const std::wstring kind = className(control);
        switch (row.kind) {
            case ControlKind::Button:
            case ControlKind::Frame:
                CHECK(kind == L"Button");
                CHECK(win32::windowText(control) == win32::widen(row.caption));
                break;
            case ControlKind::ScrollBar:
                CHECK(kind == L"ScrollBar");
                break;
            case ControlKind::StatusBar:
                CHECK(kind == L"msctls_statusbar32");
                break;
            case ControlKind::PictureBox:
                CHECK(kind == L"TenebrixPictureBox");
                break;
            case ControlKind::Label:
                CHECK(kind == L"TenebrixLabel");
                break;
            default:
                FAIL("not a child");
        }
        const bool stop = (GetWindowLongPtrW(control, GWL_STYLE) & WS_TABSTOP) != 0;
        const bool expectedStop = row.tabStop && (!row.boardTile || row.index == 1);
        CHECK(stop == expectedStop);
        if (expectedStop) expectedStops.push_back(ids.id(row));
    }
    std::vector<int> order;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        order.push_back(GetDlgCtrlID(child));
    CHECK(order == expectedOrder);
    if (expectedStops.empty()) return;
    std::vector<int> stops;
    HWND at = GetDlgItem(window, expectedStops.front());
    do {
        stops.push_back(GetDlgCtrlID(at));
        at = GetNextDlgTabItem(window, at, FALSE);
    } while (at && at != GetDlgItem(window, expectedStops.front()) && stops.size() < 100);
    CHECK(stops == expectedStops);
}

}  // namespace

TEST_CASE("the splash steps its logo on ticks 2 to 6 and hands over on the seventh") {
    bool splashShownAtHandOver = false;
    int handOvers = 0;
    win32::frmSplash splash(GetModuleHandleW(nullptr), [&] {
        ++handOvers;
        splashShownAtHandOver = IsWindowVisible(splash.window());
    });
    splash.Show();
    HWND window = splash.window();
    REQUIRE(IsWindowVisible(window));
    CHECK((GetWindowLongPtrW(window, GWL_STYLE) & WS_CAPTION) != WS_CAPTION);  // no title bar
    checkMadeFromTable(window, win32::kSplashIds);
    // The logo frame on show after each tick; -1 once the splash has gone.
    const int expected[] = {0, 0, 1, 2, 3, 4, 5, -1};
    for (int tick = 0; tick <= 7; ++tick) {
        if (tick > 0) SendMessageW(window, WM_TIMER, win32::frmSplash::timerId(), 0);
        CAPTURE(tick);
        if (expected[tick] < 0) break;
        for (int k = 0; k < 6; ++k)
            CHECK(IsWindowVisible(logo(window, k)) == (k == expected[tick]));
        CHECK(handOvers == 0);
    }
    CHECK(handOvers == 1);
    CHECK(splashShownAtHandOver);
    CHECK_FALSE(IsWindow(window));
    CHECK(splash.timeline().handedOver());
}

// Until then the program would be left running with no window at all.
TEST_CASE("a request to close the splash is refused and the main window still comes") {
    struct Case {
        const char* name;
        void (*request)(HWND splash);
    };
    const Case cases[] = {
        {"the window system's close", [](HWND s) { SendMessageW(s, WM_CLOSE, 0, 0); }},
        {"Close from the window's menu",
         [](HWND s) { SendMessageW(s, WM_SYSCOMMAND, SC_CLOSE, 0); }},
        {"Alt+F4",
         [](HWND s) {
             BYTE keys[256] = {};
             keys[VK_MENU] = 0x80;
             SetKeyboardState(keys);
             postKey(s, VK_F4, true);
             pumpMessages();
             BYTE none[256] = {};
             SetKeyboardState(none);
         }},
    };
    for (const Case& c : cases) {
        CAPTURE(std::string(c.name));
        int handOvers = 0;
        win32::frmSplash splash(GetModuleHandleW(nullptr), [&] { ++handOvers; });
        splash.Show();
        HWND window = splash.window();
        c.request(window);
        pumpMessages();
        CHECK(IsWindow(window));
        CHECK(IsWindowVisible(window));
        for (int tick = 0; tick < 7 && IsWindow(window); ++tick)
            SendMessageW(window, WM_TIMER, win32::frmSplash::timerId(), 0);
        CHECK(handOvers == 1);
        CHECK_FALSE(IsWindow(window));
    }
}

namespace {

// The game run as TENEBRIX.exe runs it, on stand-in services, with `action`
// done from inside its event loop. After five seconds a timer gives up and
// ends the loop, so a program that would run on forever fails, not hangs.
struct GameRun {
    int status = -1;
    bool gaveUp = false;
};
bool gaveUp = false;

void CALLBACK giveUp(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    gaveUp = true;
    for (const wchar_t* name : {L"TenebrixMain", L"TenebrixSplash"}) {
        if (HWND window = FindWindowW(name, nullptr)) DestroyWindow(window);
    }
    PostQuitMessage(99);
}

GameRun runGame(std::function<void()> action) {
    FakeServices services;
    gaveUp = false;
    const UINT_PTR timer = SetTimer(nullptr, 0, 5000, giveUp);
    duringModal(std::move(action));
    GameRun run;
    run.status = win32::runGame(GetModuleHandleW(nullptr), services.services);
    run.gaveUp = gaveUp;
    KillTimer(nullptr, timer);
    cancelDuringModal();
    pumpMessages();
    return run;
}

}  // namespace

// Every way the player has to close the splash is refused (above); should
// it be destroyed all the same, the main window is not going to come.
TEST_CASE("the program runs until the main window closes, or ends when the splash goes first") {
    SUBCASE("the splash hands over, the main window comes and is closed") {
        bool mainWindowCame = false;
        const GameRun run = runGame([&] {
            HWND splash = FindWindowW(L"TenebrixSplash", nullptr);
            for (int tick = 0; tick < 7 && IsWindow(splash); ++tick)
                SendMessageW(splash, WM_TIMER, win32::frmSplash::timerId(), 0);
            HWND main = FindWindowW(L"TenebrixMain", nullptr);
            mainWindowCame = main && IsWindowVisible(main) && !IsWindow(splash);
            PostMessageW(main, WM_CLOSE, 0, 0);
        });
        CHECK(mainWindowCame);
        CHECK_FALSE(run.gaveUp);
        CHECK(run.status == 0);
    }
    SUBCASE("the splash is destroyed before the hand-over") {
        const GameRun run = runGame([] { DestroyWindow(FindWindowW(L"TenebrixSplash", nullptr)); });
        CHECK_FALSE(run.gaveUp);
        CHECK(run.status == 0);
    }
}

namespace {

POINT centreOf(const RECT& r) {
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// `window`'s outer rectangle centred in `area`, to a pixel.
bool centredIn(HWND window, const RECT& area) {
    RECT outer;
    GetWindowRect(window, &outer);
    const POINT a = centreOf(outer), b = centreOf(area);
    return std::abs(a.x - b.x) <= 1 && std::abs(a.y - b.y) <= 1;
}

RECT screenRect(HWND window) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    return monitor.rcMonitor;
}

void sendDensity(HWND window, const Density& to, RECT suggested) {
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(to.dpi, to.dpi),
                 reinterpret_cast<LPARAM>(&suggested));
}

}  // namespace

// The splash centred on its screen, at its designed size at each density,
// its logo a crisp whole-factor enlargement; on a change of density it is
// made again at the new one, as the system's own windows are.
TEST_CASE("the splash stands centred on its screen at its size, at every density") {
    const Density* start = densityOf(win32::dpiOf(nullptr).dpi);
    REQUIRE(start != nullptr);
    for (const Density& to : kDensities) {
        CAPTURE(to.dpi);
        win32::frmSplash splash(GetModuleHandleW(nullptr), [] {});
        splash.Show();
        HWND window = splash.window();
        if (to.dpi != start->dpi) sendDensity(window, to, RECT{0, 0, 10, 10});
        pumpMessages();
        CHECK(clientSize(window) == to.splashClient);
        CHECK(centredIn(window, screenRect(window)));
        CHECK(clientSize(logo(window, 0)) == SIZE{to.logoSide, to.logoSide});
        CHECK(iconSide(window, ICON_SMALL) == to.smallIcon);
        CHECK(iconSide(window, ICON_BIG) == to.largeIcon);
    }
}

// Centred over the main window as it opens; moved to a screen of another
// density, at its size there and where the system puts it.
TEST_CASE("the About box stands centred over the main window at its size, at every density") {
    const Density* start = densityOf(win32::dpiOf(nullptr).dpi);
    REQUIRE(start != nullptr);
    const RECT suggested{40, 30, 940, 730};
    for (const Density& to : kDensities) {
        CAPTURE(to.dpi);
        MainWindowFixture f;
        RECT mainOuter;
        GetWindowRect(f.window(), &mainOuter);
        bool centredOverMain = false, centredAsSuggested = false;
        SIZE client{}, ok{};
        int smallIcon = 0, largeIcon = 0;
        duringModal([&] {
            HWND about = win32::frmAbout::openWindow();
            centredOverMain = centredIn(about, mainOuter);
            if (to.dpi != start->dpi) sendDensity(about, to, suggested);
            centredAsSuggested = to.dpi == start->dpi || centredIn(about, suggested);
            client = clientSize(about);
            ok = clientSize(aboutButton(about, "cmdOK"));
            smallIcon = iconSide(about, ICON_SMALL);
            largeIcon = iconSide(about, ICON_BIG);
            SendMessageW(about, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        });
        f.menu(forms::MenuCommand::HelpAbout);
        cancelDuringModal();
        CHECK(centredOverMain);
        CHECK(centredAsSuggested);
        CHECK(client == to.aboutClient);
        CHECK(ok == to.okButton);
        CHECK(smallIcon == to.smallIcon);
        CHECK(largeIcon == to.largeIcon);
    }
}

// Each opening used to make a 32-pixel icon that was never destroyed.
TEST_CASE("the About box opened again and again shows the icon made once") {
    MainWindowFixture f;
    std::vector<LRESULT> icons;
    std::vector<std::size_t> made;
    for (int opening = 0; opening < 3; ++opening) {
        duringModal([&] {
            HWND about = win32::frmAbout::openWindow();
            icons.push_back(SendMessageW(about, WM_GETICON, ICON_BIG, 0));
            made.push_back(win32::programIcons().count());
            SendMessageW(about, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        });
        f.menu(forms::MenuCommand::HelpAbout);
        cancelDuringModal();
    }
    REQUIRE(icons.size() == 3);
    CHECK(icons[0] != 0);
    CHECK(icons[1] == icons[0]);
    CHECK(icons[2] == icons[0]);
    CHECK(made[2] == made[0]);
}

TEST_CASE("the main window and the About box are made from their tables") {
    MainWindowFixture f;
    checkMadeFromTable(f.window(), win32::kMainIds);
    CHECK(GetMenu(f.window()) != nullptr);
    bool checked = false;
    duringModal([&] {
        HWND about = win32::frmAbout::openWindow();
        checkMadeFromTable(about, win32::kAboutIds);
        checked = true;
        SendMessageW(about, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    });
    f.menu(forms::MenuCommand::HelpAbout);
    CHECK(checked);
}

TEST_CASE("the About box is modal over the main window and closes with OK or its close box") {
    for (const bool byOk : {true, false}) {
        MainWindowFixture f;
        HWND about = nullptr;
        bool mainDisabled = false;
        std::wstring caption, version, title;
        LRESULT defaultButton = 0;
        duringModal([&] {
            about = win32::frmAbout::openWindow();
            mainDisabled = !IsWindowEnabled(f.window());
            caption = win32::windowText(about);
            version = win32::windowText(GetDlgItem(about, win32::kAboutIds.id("lblVersion")));
            title = win32::windowText(GetDlgItem(about, win32::kAboutIds.id("lblTitle")));
            defaultButton = SendMessageW(about, DM_GETDEFID, 0, 0);
            if (byOk) {
                SendMessageW(aboutButton(about, "cmdOK"), BM_CLICK, 0, 0);
            } else {
                SendMessageW(about, WM_SYSCOMMAND, SC_CLOSE, 0);
            }
        });
        f.menu(forms::MenuCommand::HelpAbout);
        cancelDuringModal();
        REQUIRE(about != nullptr);
        CHECK(mainDisabled);
        CHECK(caption == L"About Tenebrix");
        CHECK(version == win32::widen(forms::VersionLine(forms::kProgramVersion)));
        CHECK(title == L"Tenebrix");
        CHECK(LOWORD(defaultButton) == win32::kAboutIds.id("cmdOK"));
        CHECK(IsWindowEnabled(f.window()));
        CHECK_FALSE(IsWindow(about));
        CHECK(win32::frmAbout::openWindow() == nullptr);
    }
}

// Its keys go to the box's rules before the dialog manager, which would
// take a plain letter for an access key.
TEST_CASE("the About box's keys and System Info button; a plain letter does nothing") {
    struct Case {
        const char* name;
        const char* focus;  // the button in focus before the key
        UINT key;           // 0: a click on System Info
        bool alt;
        bool sysInfo;  // the failure message of System Info
        bool closes;
    };
    const Case cases[] = {
        {"S with OK in focus", "cmdOK", 'S', false, false, false},
        {"S with System Info in focus", "cmdSysInfo", 'S', false, false, false},
        {"Alt+S", "cmdOK", 'S', true, true, false},
        {"Enter with System Info in focus", "cmdSysInfo", VK_RETURN, false, true, false},
        {"Enter with OK in focus", "cmdOK", VK_RETURN, false, false, true},
        {"Esc", "cmdSysInfo", VK_ESCAPE, false, false, true},
        {"a click on System Info", "cmdOK", 0, false, true, false},
    };
    for (const Case& c : cases) {
        CAPTURE(std::string(c.name));
        MainWindowFixture f;  // a registry with no System Info tool
        HWND about = nullptr;
        bool stillOpen = false;
        duringModal([&] {
            about = win32::frmAbout::openWindow();
            SetFocus(aboutButton(about, c.focus));
            if (c.key == 0) SendMessageW(aboutButton(about, "cmdSysInfo"), BM_CLICK, 0, 0);
            if (c.key != 0) postKey(GetFocus(), c.key, c.alt);
            duringModal([&] {
                stillOpen = win32::frmAbout::openWindow() != nullptr;
                if (stillOpen) SendMessageW(about, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
            });
        });
        f.menu(forms::MenuCommand::HelpAbout);
        cancelDuringModal();
        CHECK(stillOpen == !c.closes);
        CHECK(f.messages.shown.size() == (c.sysInfo ? 1u : 0u));
        if (!f.messages.shown.empty()) CHECK(f.messages.shown[0].owner == about);
        CHECK(f.launcher.launched.empty());
        CHECK_FALSE(IsWindow(about));
    }
}

namespace {

// The windows that took the keyboard focus while `action` ran, in order.
std::vector<HWND> focusTakenDuring(const std::function<void()>& action) {
    static std::vector<HWND>* taken = nullptr;
    std::vector<HWND> windows;
    taken = &windows;
    HHOOK hook = SetWindowsHookExW(
        WH_CBT,
        [](int code, WPARAM wParam, LPARAM lParam) -> LRESULT {
            if (code == HCBT_SETFOCUS && taken) taken->push_back(reinterpret_cast<HWND>(wParam));
            return CallNextHookEx(nullptr, code, wParam, lParam);
        },
        nullptr, GetCurrentThreadId());
    action();
    UnhookWindowsHookEx(hook);
    taken = nullptr;
    return windows;
}

}  // namespace

// Windows gives the focus back to the window itself, not to its control:
// Space and the arrows would do nothing until Tab.
TEST_CASE("the focus comes back to the control that had it: Alt+Tab, minimised, modal boxes") {
    win32::SystemMessageBoxes boxes;
    struct Focus {
        const char* name;
        int index;
    };
    for (const Focus& focus : {Focus{"ScrollMode", forms::kNoIndex}, Focus{"picTile", 13},
                               Focus{"cmdReset", forms::kNoIndex}}) {
        CAPTURE(std::string(focus.name));
        MainWindowFixture f({7, 19}, nullptr, &boxes);
        HWND control = f.control(focus.name, focus.index);
        SetFocus(control);

        // Another program comes to the front, then the game again.
        HWND other = CreateWindowExW(0, L"STATIC", L"Another program", WS_POPUP | WS_VISIBLE, 0, 0,
                                     100, 100, nullptr, nullptr, nullptr, nullptr);
        SetActiveWindow(other);
        pumpMessages(f.main.get());
        CHECK(GetActiveWindow() == other);
        SetActiveWindow(f.window());
        pumpMessages(f.main.get());
        CHECK(GetFocus() == control);
        DestroyWindow(other);

        ShowWindow(f.window(), SW_MINIMIZE);
        pumpMessages(f.main.get());
        ShowWindow(f.window(), SW_RESTORE);
        pumpMessages(f.main.get());
        CHECK(GetFocus() == control);

        bool answered = false;
        duringModal([&] {
            HWND box = ownedWindow(f.window(), L"#32770");
            answered = box != nullptr;
            if (box) PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        });
        pressKey(*f.main, GetFocus(), 'H', true);  // Ctrl+H: the hint's message
        cancelDuringModal();
        CHECK(answered);
        CHECK(GetFocus() == control);

        // The window and the rules give back the same control, the one in
        // focus as the box opened, not the one of an earlier Alt+Tab.
        HWND before = f.control("cmdNewPuzzle");
        SetFocus(before);
        const auto taken = focusTakenDuring([&] {
            duringModal([&] {
                postKey(GetFocus(), VK_ESCAPE);  // to the About box's OK
            });
            f.menu(forms::MenuCommand::HelpAbout);
            cancelDuringModal();
        });
        CHECK(win32::frmAbout::openWindow() == nullptr);
        CHECK(GetFocus() == before);
        CHECK(std::find(taken.begin(), taken.end(), control) == taken.end());
    }
}

// Esc closes a box with an OK button as OK does, and does nothing on a box
// that asks Yes or No: the question stays until it is answered.
TEST_CASE("message boxes are the system's, owned, titled, with the buttons and icon asked for") {
    struct Case {
        MessageButtons buttons;
        MessageIcon icon;
        bool escapeFirst;
        int pressed;  // after Esc, if the box is still there
        MessageAnswer answer;
    };
    for (const Case& c :
         {Case{MessageButtons::Ok, MessageIcon::None, false, IDOK, MessageAnswer::Ok},
          Case{MessageButtons::YesNo, MessageIcon::Information, false, IDNO, MessageAnswer::No},
          Case{MessageButtons::YesNo, MessageIcon::None, false, IDYES, MessageAnswer::Yes},
          Case{MessageButtons::Ok, MessageIcon::None, true, IDOK, MessageAnswer::Ok},
          Case{MessageButtons::YesNo, MessageIcon::None, true, IDYES, MessageAnswer::Yes}}) {
        CAPTURE(c.escapeFirst);
        MainWindowFixture f;
        HWND box = nullptr;
        std::wstring title;
        bool hasYes = false, hasOk = false, hasIcon = false, openAfterEscape = false;
        auto press = [&] { PostMessageW(box, WM_COMMAND, MAKEWPARAM(c.pressed, BN_CLICKED), 0); };
        duringModal([&] {
            box = ownedWindow(f.window(), L"#32770");
            title = win32::windowText(box);
            hasYes = GetDlgItem(box, IDYES) != nullptr;
            hasOk = GetDlgItem(box, IDOK) != nullptr;
            // The message box's icon: static control 20 on Windows, 0x440 on Wine.
            HWND icon = GetDlgItem(box, 20) ? GetDlgItem(box, 20) : GetDlgItem(box, 0x440);
            hasIcon = icon && SendMessageW(icon, STM_GETICON, 0, 0) != 0;
            if (!c.escapeFirst) return press();
            postKey(GetFocus(), VK_ESCAPE);
            duringModal([&] {
                openAfterEscape = IsWindow(box) && IsWindowVisible(box);
                if (openAfterEscape) press();
            });
        });
        win32::SystemMessageBoxes boxes;
        const MessageAnswer answer =
            boxes.show(f.window(), {"Text", "Tenebrix", c.buttons, c.icon});
        cancelDuringModal();
        REQUIRE(box != nullptr);
        CHECK(title == L"Tenebrix");
        CHECK(hasYes == (c.buttons == MessageButtons::YesNo));
        CHECK(hasOk == (c.buttons == MessageButtons::Ok));
        CHECK(hasIcon == (c.icon == MessageIcon::Information));
        CHECK(openAfterEscape == (c.escapeFirst && c.buttons == MessageButtons::YesNo));
        CHECK(answer == c.answer);
    }
}

TEST_CASE("the main window opens centred on its screen, its client area at its designed size") {
    MainWindowFixture f;
    const win32::Dpi dpi = win32::dpiOf(f.window());
    RECT client, outer;
    GetClientRect(f.window(), &client);
    GetWindowRect(f.window(), &outer);
    // 6795 x 4920 twips: 453 x 328 pixels at 96 dots per inch.
    CHECK(client.right == MulDiv(453, dpi.dpi, 96));
    CHECK(client.bottom == MulDiv(328, dpi.dpi, 96));
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(f.window(), MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& screen = monitor.rcMonitor;
    const int spareWidth = (screen.right - screen.left) - (outer.right - outer.left);
    const int spareHeight = (screen.bottom - screen.top) - (outer.bottom - outer.top);
    CHECK(std::abs(outer.left - screen.left - spareWidth / 2) <= 1);
    CHECK(std::abs(outer.top - screen.top - spareHeight / 2) <= 1);
    CHECK(GetFocus() == f.control("cmdHint"));
}
