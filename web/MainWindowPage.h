// SPDX-License-Identifier: GPL-3.0-or-later
// The game window on the web page: what the game and the window's rules
// (ui::MainWindow) show, turned into changes of the page's elements, named
// as the game's controls are.
#pragma once

#include <array>
#include <map>
#include <string>

#include "Board.h"
#include "MainWindowView.h"
#include "PageWindows.h"

namespace tenebrix::web {

class Page;

class MainWindowPage final : public ui::MainWindowView {
  public:
    MainWindowPage(Page& page, PageWindows& windows) : page_(page), windows_(windows) {}

    // Display
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

    // StatusPanels
    void setStatusPanelText(int panel, const std::string& text) override;

    // MainWindowView
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

    // The value a scroll bar shows: its minimum until it is set.
    int scrollValue(const forms::Control& bar) const;

  private:
    // The names of the board's array `name`, by tile.
    static std::array<std::string, kTileCount> ids(const char* name);

    // What each board tile shows now, so a repaint touches only the tiles
    // that change: a click repaints a handful of the 25.
    struct TileView {
        int picture = 0;  // none yet
        bool lit = false;
        bool named = false;
    };

    Page& page_;
    PageWindows& windows_;
    std::array<std::string, kTileCount> tileIds_ = ids("picTile");
    std::array<std::string, kTileCount> tileNumberIds_ = ids("lblTileNumbers");
    std::array<TileView, kTileCount> tiles_{};
    int litPicture_ = 0;
    int darkPicture_ = 0;
    std::map<const forms::Control*, int> scrollValues_;
};

}  // namespace tenebrix::web
