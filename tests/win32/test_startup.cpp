// SPDX-License-Identifier: GPL-3.0-or-later
// The splash screen's ticks and hand-over, the About box's modality and
// texts, and the system's message boxes as the game asks for them.
#include <doctest/doctest.h>

#include <cstdlib>

#include "AboutForm.h"
#include "MainWindowFixture.h"
#include "Modal.h"
#include "SystemServices.h"
#include "VersionLine.h"
#include "WideText.h"
#include "frmAbout.h"
#include "frmSplash.h"

using namespace tenebrix;
using namespace tenebrix::testing;

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
    // The logo frame on show after each tick; -1 once the splash has gone.
    const int expected[] = {0, 0, 1, 2, 3, 4, 5, -1};
    for (int tick = 0; tick <= 7; ++tick) {
        if (tick > 0) SendMessageW(window, WM_TIMER, win32::kSplashTimer, 0);
        CAPTURE(tick);
        if (expected[tick] < 0) break;
        for (int k = 0; k < 6; ++k) {
            CHECK(IsWindowVisible(GetDlgItem(window, win32::kLogoBase + k)) ==
                  (k == expected[tick]));
        }
        CHECK(handOvers == 0);
    }
    CHECK(handOvers == 1);
    CHECK(splashShownAtHandOver);
    CHECK_FALSE(IsWindow(window));
    CHECK(splash.ticks() == 7);
}

TEST_CASE("the About box is modal over the main window and closes with OK, Enter or Esc") {
    for (const UINT closing : {IDOK, IDCANCEL}) {
        MainWindowFixture f;
        HWND about = nullptr;
        bool mainDisabled = false;
        std::wstring caption, version, title;
        LRESULT defaultButton = 0;
        duringModal([&] {
            about = win32::frmAbout::openWindow();
            mainDisabled = !IsWindowEnabled(f.window());
            caption = win32::windowText(about);
            defaultButton = SendMessageW(about, DM_GETDEFID, 0, 0);
            SendMessageW(about, WM_COMMAND, MAKEWPARAM(closing, BN_CLICKED), 0);
        });
        f.command(win32::menuId(forms::MenuCommand::HelpAbout));
        CHECK(about != nullptr);
        CHECK(mainDisabled);
        CHECK(caption == L"About Tenebrix");
        CHECK(LOWORD(defaultButton) == IDOK);
        CHECK(IsWindowEnabled(f.window()));
        CHECK_FALSE(IsWindow(about));
        CHECK(win32::frmAbout::openWindow() == nullptr);
    }
}

TEST_CASE("System Info from the About box: with no tool the message comes over the About box") {
    MainWindowFixture f;  // a registry with neither entry
    HWND about = nullptr;
    duringModal([&] {
        about = win32::frmAbout::openWindow();
        SendMessageW(about, WM_COMMAND, MAKEWPARAM(win32::kCmdSysInfo, BN_CLICKED), 0);
        SendMessageW(about, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    });
    f.command(win32::menuId(forms::MenuCommand::HelpAbout));
    REQUIRE(f.messages.shown.size() == 1);
    CHECK(f.messages.shown[0].owner == about);
    CHECK(f.messages.shown[0].message ==
          Message{"System Information Is Unavailable At This Time", "Tenebrix"});
    CHECK(f.launcher.launched.empty());
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
    CHECK(GetFocus() == f.control(win32::kCmdHint));
}
