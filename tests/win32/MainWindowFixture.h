// SPDX-License-Identifier: GPL-3.0-or-later
// A real main window on fakes: made and loaded as the splash does it, then
// driven through its messages, its pixels read back from the screen.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "ControlIds.h"
#include "FakeLauncher.h"
#include "FakeRegistry.h"
#include "ScriptedRandom.h"
#include "Win32Fakes.h"
#include "frmMain.h"

namespace tenebrix::testing {

// Delivers what is waiting, keyboard messages through the main window's
// rules and tab chain as the program's own loop does.
void pumpMessages(win32::frmMain* main = nullptr);

// The colour on screen at (x, y) of `window`'s client area.
COLORREF screenPixel(HWND window, int x, int y);

// Presses and releases `key` with the modifiers held, through the loop.
void pressKey(win32::frmMain& main, HWND target, UINT key, bool control = false, bool alt = false);

// The game's services, every one a stand-in, as the windows take them.
struct FakeServices {
    ScriptedRandom random;
    FakeSettingsStore settings;
    RecordingHelpViewer help;
    RecordingMessageBoxes messages;
    FakeRegistry registry;
    FakeLauncher launcher;
    SetClock clock;
    win32::Services services;

    FakeServices(platform::SettingsStore* store = nullptr, win32::MessageBoxes* boxes = nullptr,
                 std::wstring helpFile = L"C:\\Games\\Tenebrix.hlp")
        : services{random,   store ? *store : settings,
                   help,     boxes ? *boxes : messages,
                   registry, launcher,
                   clock,    std::move(helpFile)} {}
};

struct MainWindowFixture;

// Every screen pixel of tile n's picture area against tile picture
// `pictureIndex`, each picture pixel a `scale` x `scale` block: an opaque
// pixel in its own colour, a transparent one in the tile's back colour.
bool tileShowsPicture(MainWindowFixture& f, int n, int pictureIndex, int scale);

struct MainWindowFixture : FakeServices {
    std::unique_ptr<win32::frmMain> main;
    bool closed = false;

    // The first puzzle presses `firstPuzzle` (mode 1, level 2 at start).
    // `store` and `boxes` replace the recording settings store and message
    // boxes; an empty `helpFile` is a game built without help.
    explicit MainWindowFixture(std::vector<int> firstPuzzle = {7, 19},
                               platform::SettingsStore* store = nullptr,
                               win32::MessageBoxes* boxes = nullptr,
                               std::wstring helpFile = L"C:\\Games\\Tenebrix.hlp");
    ~MainWindowFixture();

    HWND window() const { return main->window(); }
    HWND control(const char* name, int index = forms::kNoIndex) const {
        return main->control(name, index);
    }
    HWND tile(int n) const { return control("picTile", n); }
    std::wstring text(const char* name, int index = forms::kNoIndex) const;
    void clickTile(int n);
    void hoverTile(int n);                  // the pointer rests on tile n
    void click(const char* button);         // a button clicked with the mouse
    void menu(forms::MenuCommand command);  // a menu item chosen
    void scroll(const char* bar, int code, int position = 0);
    bool menuChecked(forms::MenuCommand command) const;
    int scrollValue(const char* bar) const;
};

}  // namespace tenebrix::testing
