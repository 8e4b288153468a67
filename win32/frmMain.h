// SPDX-License-Identifier: GPL-3.0-or-later
// The game window, frmMain, on the Windows API: its controls made from the
// window's table, what the player does turned into calls on the window's
// rules (ui::MainWindow), and what those rules say shown (MainWindowView).
// The rules own the game and decide everything; this class decides nothing.
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <vector>

#include "ControlIds.h"
#include "Dpi.h"
#include "Image.h"
#include "Keys.h"
#include "MainWindow.h"
#include "MainWindowNames.h"
#include "MainWindowView.h"
#include "Services.h"
#include "StatusBar.h"
#include "TableControls.h"

namespace tenebrix::win32 {

// The rows of elements 0 to Count of the array `name` of the main window's
// table, nullptr where it has no such element.
template <std::size_t Count>
constexpr std::array<const forms::Control*, Count + 1> mainWindowElements(const char* name) {
    std::array<const forms::Control*, Count + 1> rows{};
    for (std::size_t k = 0; k <= Count; ++k)
        rows[k] = forms::findControl(forms::frmMain::kControls, name, static_cast<int>(k));
    return rows;
}
inline constexpr auto kTileRows = mainWindowElements<kTileCount>(forms::frmMain::kTileName);
inline constexpr auto kTileNumberRows =
    mainWindowElements<kTileCount>(forms::frmMain::kTileNumberName);

class frmMain final : public ui::MainWindowView {
  public:
    frmMain(HINSTANCE instance, Services& services);
    ~frmMain() override;
    frmMain(const frmMain&) = delete;
    frmMain& operator=(const frmMain&) = delete;

    // Creates the window, runs its load steps (centred vertically, the
    // settings applied, the first puzzle made) and shows it with the focus
    // on the control the window opens with. `closed` runs once the window
    // has gone.
    void Show(std::function<void()> closed = {});

    HWND window() const { return window_; }
    // The control of `row`, a row of the window's table; null before the
    // controls are made and after the window has gone.
    HWND control(const forms::Control& row) const {
        const auto at = static_cast<std::size_t>(kMainIds.position(row));
        return window_ && at < handles_.size() ? handles_[at] : nullptr;
    }
    HWND control(std::string_view name, int index = forms::kNoIndex) const {
        const forms::Control* row = forms::findControl(forms::frmMain::kControls, name, index);
        return row ? control(*row) : nullptr;
    }
    const Game& game() const { return layer_.game(); }

    // A key that went down in the window or one of its controls, as the
    // message loop saw it; true when the window's rules took it, so it goes
    // no further.
    bool keyDown(const ui::KeyPress& key) { return layer_.keyDown(key, focusedControl()); }

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

    // --- StatusPanels ---
    void setStatusPanelText(int panel, const std::string& text) override;

    // --- MainWindowView ---
    void setStatusBarVisible(bool visible) override;
    void setMenuChecked(forms::MenuCommand item, bool checked) override;
    void setScrollValue(const forms::Control& bar, int value) override;
    const forms::Control* focusedControl() const override;
    void setFocus(const forms::Control& control) override;
    void moveBoardStop(int tile) override;
    void openMenu(const forms::Menu& menu) override;
    void activateMenuBar() override;
    void showAboutBox() override;
    std::optional<std::string> openHelp(const std::string& path) override;
    void closeWindow() override;
    void closeOtherWindows() override;
    bool isMinimised() const override;
    ui::Placement placement() const override;
    std::string decimalSeparator() const override;

  private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

    // Building and placing (frmMainLayout.cpp).
    void createControls();
    void layout();
    void placeAtStart();

    // What the player and the system do (frmMain.cpp).
    void onDpiChanged(Dpi dpi, const RECT& suggested);
    bool onActivate(WORD state, bool minimised);
    void rememberFocus();
    bool giveFocusBack();
    void onDestroyed();
    void onCommand(int id, int notification, HWND from);
    void onScroll(HWND bar, int code, int thumbPosition);
    void onChildPointer(int id, UINT message);
    void tickClock();
    // The board's stop in the tab chain, without the focus.
    void setBoardStop(int tile);
    // Tile n and its number, found without a search.
    HWND tile(int n) const { return control(*kTileRows[static_cast<std::size_t>(n)]); }
    HWND tileNumber(int n) const { return control(*kTileNumberRows[static_cast<std::size_t>(n)]); }

    HINSTANCE instance_;
    Services& services_;
    ui::MainWindow layer_;
    HWND window_ = nullptr;
    std::vector<HWND> handles_;  // by row of the window's table
    FontSet fonts_;
    Dpi dpi_;
    StatusBar statusBar_;
    pictures::Image litPicture_, darkPicture_;
    TileStates lit_{};
    bool tilesNamed_ = false;  // lit_ is what the tiles' names say
    // The control that had the focus when the window last lost it to
    // another window; it gets it back when the window is active again.
    HWND lastFocus_ = nullptr;
    std::function<void()> closed_;
};

}  // namespace tenebrix::win32
