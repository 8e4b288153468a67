// SPDX-License-Identifier: GPL-3.0-or-later
// The game window's rules, the same on every platform. A front end makes
// the window's controls from the control table, turns what the player does
// into the calls below and shows what it is told through MainWindowView;
// it decides nothing itself. The game (engine/) owns the puzzle; this class
// owns the game and what belongs to the window: the status bar, the menu
// commands, the keys, the pointer and the preview, the placement on close.
#pragma once

#include <memory>
#include <string>

#include "Game.h"
#include "Keys.h"
#include "MainWindowView.h"
#include "PointerRules.h"
#include "ScrollStepping.h"
#include "StatusClock.h"

namespace tenebrix {
class RandomSource;
}

namespace tenebrix::platform {
class LocalClock;
class SettingsStore;
}  // namespace tenebrix::platform

namespace tenebrix::ui {

struct MainWindowServices {
    RandomSource& random;
    platform::SettingsStore& settings;
    platform::LocalClock& clock;
    // Empty: the game was built without a help file.
    std::string helpFilePath;
};

class MainWindow : private Display {
  public:
    MainWindow(MainWindowView& view, const MainWindowServices& services);
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // The window is loaded: the settings are shown and the first puzzle made.
    void Form_Load();
    // The window closes: the other windows close, and unless it is
    // minimised its placement is written to the settings store.
    void Form_Unload();

    // A menu item, a button or a shortcut.
    void command(forms::MenuCommand command);
    void buttonClicked(const forms::Control& button);
    void tileClicked(int tile);

    // The pointer moved, or a mouse button came up, over `control`; nullptr
    // is the window's bare client area.
    void pointerMoved(const forms::Control* control, PointerEvent event = PointerEvent::Move);
    void pointerReleased(const forms::Control* control) {
        pointerMoved(control, PointerEvent::Release);
    }

    // The player works a scroll bar whose value is `value`: the new value,
    // which the view shows, and the setting's change reaction when it moved.
    int scrolled(const forms::Control& bar, int value, ScrollRequest request, int thumbAt = 0);
    // A scroll bar that steps by itself (ScrollStepping.h) now stands at `value`.
    void scrollValueChanged(const forms::Control& bar, int value);

    // A key in the window while `focused` has the focus; true when the key
    // was the window's, so the front end passes it on no further.
    bool keyDown(const KeyPress& key, const forms::Control* focused);

    // Writes the status bar's date and time; the milliseconds until the
    // front end should call again.
    int clockTick() { return clock_.refresh(); }

    // The About box has closed: the control that had the focus gets it back.
    void aboutBoxClosed();

    const Game& game() const { return *game_; }
    bool statusBarShown() const { return statusBarShown_; }

  private:
    // Display: the game's requests, passed on to the view. A message box
    // gives the focus back to the control that had it.
    void showTiles(const TileStates& lit) override { view_.showTiles(lit); }
    void setTileBackColour(int tile, Colour colour) override {
        view_.setTileBackColour(tile, colour);
    }
    void setCaption(Caption label, const std::string& text) override {
        view_.setCaption(label, text);
    }
    void setTileNumberCaption(int tile, const std::string& text) override {
        view_.setTileNumberCaption(tile, text);
    }
    void setTileNumbersVisible(bool visible) override { view_.setTileNumbersVisible(visible); }
    void setTileNumbersChecked(bool checked) override { view_.setTileNumbersChecked(checked); }
    void showModeDiagram(int mode) override { view_.showModeDiagram(mode); }
    void showTileSet(int tileSet) override { view_.showTileSet(tileSet); }
    void setLevelSetting(int level) override { view_.setLevelSetting(level); }
    MessageAnswer showMessage(const Message& message) override;

    void mnuViewStatusBar_Click();
    void mnuHelpContents_Click();
    void mnuHelpAbout_Click();
    void pressButton(const forms::Control& button);

    MainWindowView& view_;
    platform::SettingsStore& settings_;
    std::string helpFilePath_;
    std::unique_ptr<Game> game_;
    StatusClock clock_;
    bool statusBarShown_ = true;
    const forms::Control* focusBeforeAbout_ = nullptr;
};

}  // namespace tenebrix::ui
