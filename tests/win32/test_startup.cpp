// SPDX-License-Identifier: GPL-3.0-or-later
// The splash screen's ticks, hand-over and refused close requests; the
// About box's modality, texts and keys; the focus after a modal box; the
// system's message boxes as the game asks for them; and every window's
// controls made from its table.
#include <doctest/doctest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "AboutForm.h"
#include "ControlIds.h"
#include "MainWindowFixture.h"
#include "MainWindowForm.h"
#include "Modal.h"
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
TEST_CASE(
    "the About box's keys: Alt and the access key, Enter and Esc; a plain letter does nothing") {
    struct Case {
        const char* name;
        const char* focus;  // the button in focus before the key
        UINT key;
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
    };
    for (const Case& c : cases) {
        CAPTURE(std::string(c.name));
        MainWindowFixture f;  // a registry with no System Info tool
        HWND about = nullptr;
        bool stillOpen = false;
        duringModal([&] {
            about = win32::frmAbout::openWindow();
            SetFocus(aboutButton(about, c.focus));
            postKey(GetFocus(), c.key, c.alt);
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
        CHECK_FALSE(IsWindow(about));
    }
}

TEST_CASE("System Info from the About box: with no tool the message comes over the About box") {
    MainWindowFixture f;  // a registry with neither entry
    HWND about = nullptr;
    duringModal([&] {
        about = win32::frmAbout::openWindow();
        SendMessageW(aboutButton(about, "cmdSysInfo"), BM_CLICK, 0, 0);
        SendMessageW(about, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    });
    f.menu(forms::MenuCommand::HelpAbout);
    REQUIRE(f.messages.shown.size() == 1);
    CHECK(f.messages.shown[0].owner == about);
    CHECK(f.messages.shown[0].message ==
          Message{"System Information Is Unavailable At This Time", "Tenebrix"});
    CHECK(f.launcher.launched.empty());
}

// The system gives the focus back to the window itself, not to its control.
TEST_CASE("after a message box or the About box the focus is back on the control that had it") {
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

        duringModal([&] {
            postKey(GetFocus(), VK_ESCAPE);  // to the About box's OK
        });
        f.menu(forms::MenuCommand::HelpAbout);
        cancelDuringModal();
        CHECK(win32::frmAbout::openWindow() == nullptr);
        CHECK(GetFocus() == control);
    }
}

TEST_CASE("message boxes are the system's, owned, titled, with the buttons and icon asked for") {
    struct Case {
        MessageButtons buttons;
        MessageIcon icon;
        int pressed;
        MessageAnswer answer;
    };
    for (const Case& c :
         {Case{MessageButtons::Ok, MessageIcon::None, IDOK, MessageAnswer::Ok},
          Case{MessageButtons::YesNo, MessageIcon::Information, IDNO, MessageAnswer::No},
          Case{MessageButtons::YesNo, MessageIcon::None, IDYES, MessageAnswer::Yes}}) {
        MainWindowFixture f;
        HWND box = nullptr;
        std::wstring title;
        bool hasYes = false, hasOk = false, hasIcon = false;
        duringModal([&] {
            box = ownedWindow(f.window(), L"#32770");
            title = win32::windowText(box);
            hasYes = GetDlgItem(box, IDYES) != nullptr;
            hasOk = GetDlgItem(box, IDOK) != nullptr;
            // The message box's icon: static control 20 on Windows, 0x440 on Wine.
            HWND icon = GetDlgItem(box, 20) ? GetDlgItem(box, 20) : GetDlgItem(box, 0x440);
            hasIcon = icon && SendMessageW(icon, STM_GETICON, 0, 0) != 0;
            PostMessageW(box, WM_COMMAND, MAKEWPARAM(c.pressed, BN_CLICKED), 0);
        });
        win32::SystemMessageBoxes boxes;
        const MessageAnswer answer =
            boxes.show(f.window(), {"Text", "Tenebrix", c.buttons, c.icon});
        REQUIRE(box != nullptr);
        CHECK(title == L"Tenebrix");
        CHECK(hasYes == (c.buttons == MessageButtons::YesNo));
        CHECK(hasOk == (c.buttons == MessageButtons::Ok));
        CHECK(hasIcon == (c.icon == MessageIcon::Information));
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
