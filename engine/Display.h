// SPDX-License-Identifier: GPL-3.0-or-later
// What the game tells the screen. The main window implements it; tests use a
// recording fake. The game owns every piece of state, the display only shows it.
#pragma once

#include <string>

#include "Board.h"
#include "Colour.h"
#include "Message.h"

namespace tenebrix {

// Labels whose caption the game writes.
enum class Caption {
    PuzState,  // hidden: the current value as number text
    PuzValue,  // hidden: the start value as number text
    Moves,     // the move counter, bare digits
    Level,     // "Level: " and the level as number text
    Mode,      // "Mode " and the mode as number text
};

class Display {
  public:
    virtual ~Display() = default;

    // All 25 tiles, lit or dark, painted with the current tile set's pictures.
    virtual void showTiles(const TileStates& lit) = 0;
    // The colour showing in the transparent margin around tile 1..25.
    virtual void setTileBackColour(int tile, Colour colour) = 0;
    virtual void setCaption(Caption label, const std::string& text) = 0;
    virtual void setTileNumberCaption(int tile, const std::string& text) = 0;
    virtual void setTileNumbersVisible(bool visible) = 0;
    // The check mark of View > Tile Numbers.
    virtual void setTileNumbersChecked(bool checked) = 0;
    // Exactly the diagram of `mode` (1..9) is visible afterwards.
    virtual void showModeDiagram(int mode) = 0;
    // The sample pictures and caption of tile set 1..8; the board is repainted
    // separately through showTiles.
    virtual void showTileSet(int tileSet) = 0;
    // Moves the level control to `level` when the game itself changes the
    // level; the game runs the level change reaction on its own.
    virtual void setLevelSetting(int level) = 0;
    // Modal: returns once the player has closed the message.
    virtual MessageAnswer showMessage(const Message& message) = 0;
};

}  // namespace tenebrix
