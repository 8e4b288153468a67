// SPDX-License-Identifier: GPL-3.0-or-later
// The game window, frmMain: the board, the settings frame, the buttons, the
// menus and the status bar. It shows what the game tells it (Display) and
// passes on what the player does; the game owns every piece of state.
#pragma once

#include <windows.h>

#include <functional>

#include "DateTimeStatusBar.h"
#include "Display.h"
#include "Dpi.h"
#include "Game.h"
#include "Image.h"
#include "Services.h"

namespace tenebrix::win32 {

class frmMain final : public Display {
  public:
    frmMain(HINSTANCE instance, Services& services);
    ~frmMain() override;
    frmMain(const frmMain&) = delete;
    frmMain& operator=(const frmMain&) = delete;

    // Creates the window, runs its load steps (centred vertically, the
    // settings applied, the first puzzle made) and shows it with the focus
    // on Hint. `closed` runs once the window has gone.
    void Show(std::function<void()> closed = {});

    HWND window() const { return window_; }
    HWND control(int id) const { return GetDlgItem(window_, id); }
    HACCEL accelerators() const { return accelerators_; }
    const Game& game() const { return game_; }

    // --- Display ---
    void showTiles(const TileStates& lit) override;
    void setTileBackColour(int tile, Colour colour) override;
    void setCaption(Caption label, const std::string& text) override;
    void setTileNumberCaption(int tile, const std::string& text) override;
    void setTileNumbersVisible(bool visible) override;
    void setTileNumbersChecked(bool checked) override;
    void showModeDiagram(int mode) override;
    void showTileSet(int tileSet) override;
    void setLevelSetting(int level) override;
    MessageAnswer showMessage(const Message& message) override;

  private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

    // Building and placing (frmMainLayout.cpp).
    void createControls();
    void createFrameContents();
    void layout();
    void applyFonts();
    void placeAtStart();

    // What the player does (frmMain.cpp).
    void onDpiChanged(const RECT& suggested);
    void onDestroyed();
    void onCommand(int id, bool fromAccelerator);
    void onMenuCommand(int id);
    void onScroll(HWND bar, int code, int thumbPosition);
    void onChildPointer(int id, UINT message);
    void onTileArrow(int tile, WPARAM key);
    void mnuViewStatusBar_Click();
    void mnuHelpContents_Click();
    void Form_Unload();
    void moveBoardStop(int tile);

    HINSTANCE instance_;
    Services& services_;
    Game game_;
    HWND window_ = nullptr;
    HACCEL accelerators_ = nullptr;
    HFONT formFont_ = nullptr;
    HFONT boldFont_ = nullptr;
    Dpi dpi_;
    DateTimeStatusBar statusBar_;
    pictures::Image litPicture_, darkPicture_;
    TileStates lit_{};
    bool tilesNamed_ = false;  // lit_ is what the tiles' names say
    int boardStop_ = 1;
    std::function<void()> closed_;
};

}  // namespace tenebrix::win32
