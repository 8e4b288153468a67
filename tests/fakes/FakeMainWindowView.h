// SPDX-License-Identifier: GPL-3.0-or-later
// A game window that records what the window's rules asked of it: the
// game's display (FakeDisplay) and the window's own parts, with a focus
// that moves as a real window's would.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "FakeDisplay.h"
#include "MainWindowControls.h"
#include "MainWindowView.h"

namespace tenebrix::testing {

class FakeMainWindowView : public ui::MainWindowView {
  public:
    FakeDisplay display;

    // Display, passed to the recording fake.
    void showTiles(const TileStates& lit) override { display.showTiles(lit); }
    void setTileBackColour(int tile, Colour colour) override {
        display.setTileBackColour(tile, colour);
    }
    void setCaption(Caption label, const std::string& text) override {
        display.setCaption(label, text);
    }
    void setTileNumberCaption(int tile, const std::string& text) override {
        display.setTileNumberCaption(tile, text);
    }
    void setTileNumbersVisible(bool visible) override { display.setTileNumbersVisible(visible); }
    void setTileNumbersChecked(bool checked) override { display.setTileNumbersChecked(checked); }
    void showModeDiagram(int mode) override { display.showModeDiagram(mode); }
    void showTileSet(int tileSet) override { display.showTileSet(tileSet); }
    void setLevelSetting(int level) override {
        display.setLevelSetting(level);
        scrollValues["ScrollLevel"] = level;
    }
    // A message box takes the focus while it is open, as a real one does.
    MessageAnswer showMessage(const Message& message) override {
        focused = nullptr;
        return display.showMessage(message);
    }

    void setStatusPanelText(int panel, const std::string& text) override {
        statusPanels[panel] = text;
    }
    void setStatusBarVisible(bool visible) override { statusBarVisible = visible; }
    void setMenuChecked(forms::MenuCommand item, bool checked) override { checks[item] = checked; }
    void setScrollValue(const forms::Control& bar, int value) override {
        scrollValues[bar.name] = value;
    }
    const forms::Control* focusedControl() const override { return focused; }
    void setFocus(const forms::Control& control) override { focused = &control; }
    void moveBoardStop(int tile) override {
        boardStop = tile;
        focused = &forms::frmMain::control("picTile", tile);
    }
    void openMenu(const forms::Menu& menu) override { openedMenu = &menu; }
    void activateMenuBar() override { menuBarActive = true; }
    void showAboutBox() override {
        ++aboutBoxes;
        focused = nullptr;
    }
    std::optional<std::string> openHelp(const std::string& path) override {
        helpOpened.push_back(path);
        return helpFailure;
    }
    void closeWindow() override { ++closeRequests; }
    void closeOtherWindows() override { ++otherWindowsClosed; }
    bool isMinimised() const override { return minimised; }
    ui::Placement placement() const override { return where; }
    std::string decimalSeparator() const override { return separator; }

    std::map<int, std::string> statusPanels;
    bool statusBarVisible = true;
    std::map<forms::MenuCommand, bool> checks;
    std::map<std::string, int> scrollValues;
    const forms::Control* focused = nullptr;
    int boardStop = 1;
    const forms::Menu* openedMenu = nullptr;
    bool menuBarActive = false;
    int aboutBoxes = 0;
    std::vector<std::string> helpOpened;
    std::optional<std::string> helpFailure;
    int closeRequests = 0, otherWindowsClosed = 0;
    bool minimised = false;
    ui::Placement where{};
    std::string separator = ".";
};

}  // namespace tenebrix::testing
