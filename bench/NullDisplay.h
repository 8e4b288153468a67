// SPDX-License-Identifier: GPL-3.0-or-later
// A display that shows nothing, so a benchmark measures the game alone.
#pragma once

#include "Display.h"

namespace tenebrix::bench {

class NullDisplay final : public Display {
  public:
    void showTiles(const TileStates&) override {}
    void setTileBackColour(int, Colour) override {}
    void setCaption(Caption, const std::string&) override {}
    void setTileNumberCaption(int, const std::string&) override {}
    void setTileNumbersVisible(bool) override {}
    void setTileNumbersChecked(bool) override {}
    void showModeDiagram(int) override {}
    void showTileSet(int) override {}
    void setLevelSetting(int) override {}
    MessageAnswer showMessage(const Message&) override { return MessageAnswer::Ok; }
};

}  // namespace tenebrix::bench
