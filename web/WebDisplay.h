// SPDX-License-Identifier: GPL-3.0-or-later
// The game window's display on the web page: what the game shows, turned
// into changes of the page's elements, named as the game's controls are.
#pragma once

#include <array>
#include <string>

#include "Board.h"
#include "Display.h"

namespace tenebrix::web {

class Page;

class WebDisplay final : public Display {
  public:
    explicit WebDisplay(Page& page);

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
    // What each board tile shows now, so a repaint touches only the tiles
    // that change: a click repaints a handful of the 25.
    struct TileView {
        int picture = 0;  // none yet
        bool lit = false;
        bool named = false;
    };

    Page& page_;
    std::array<std::string, kTileCount> tileIds_;
    std::array<TileView, kTileCount> tiles_{};
    int litPicture_ = 0;
    int darkPicture_ = 0;
};

}  // namespace tenebrix::web
