// SPDX-License-Identifier: GPL-3.0-or-later
// A real main window on fakes: made and loaded as the splash does it, then
// driven through its messages, its pixels read back from the screen.
#pragma once

#include <windows.h>

#include <memory>

#include "FakeLauncher.h"
#include "FakeRegistry.h"
#include "MainControls.h"
#include "ScriptedRandom.h"
#include "Win32Fakes.h"
#include "frmMain.h"

namespace tenebrix::testing {

// Delivers what is waiting, keyboard messages through the main window's
// shortcuts and tab chain as the program's own loop does.
void pumpMessages(const win32::frmMain* main = nullptr);

// The colour on screen at (x, y) of `window`'s client area.
COLORREF screenPixel(HWND window, int x, int y);

// Presses and releases `key` with the modifiers held, through the loop.
void pressKey(const win32::frmMain& main, HWND target, UINT key, bool control = false,
              bool alt = false);

struct MainWindowFixture {
    ScriptedRandom random;
    RecordingSettingsStore settings;
    RecordingHelpViewer help;
    RecordingMessageBoxes messages;
    FakeRegistry registry;
    FakeLauncher launcher;
    SetClock clock;
    win32::Services services;
    std::unique_ptr<win32::frmMain> main;
    bool closed = false;

    // The first puzzle presses `firstPuzzle` (mode 1, level 2 at start).
    // `store` replaces the recording settings store.
    explicit MainWindowFixture(std::vector<int> firstPuzzle = {7, 19},
                               win32::SettingsStore* store = nullptr);
    ~MainWindowFixture();

    HWND window() const { return main->window(); }
    HWND control(int id) const { return main->control(id); }
    HWND tile(int n) const { return control(win32::kTileBase + n); }
    std::wstring text(int id) const;
    void clickTile(int n);
    void hoverTile(int n);  // the pointer rests on tile n
    void command(int id);   // a menu item or button, as WM_COMMAND
    void scroll(int barId, int code, int position = 0);
    bool menuChecked(forms::MenuCommand command) const;
    int scrollValue(int barId) const;
};

}  // namespace tenebrix::testing
