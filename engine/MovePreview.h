// SPDX-License-Identifier: GPL-3.0-or-later
// The move preview: the tiles a click would flip get the highlight colour
// behind their pictures while the pointer rests on a tile. A tile counts as
// marked exactly while its back colour is the highlight colour.
#pragma once

#include <array>
#include <cstdint>

#include "Board.h"
#include "Colour.h"

namespace tenebrix {

class Display;

class MovePreview {
  public:
    explicit MovePreview(Display& display);

    // Marks the tiles of the move of `btMode` at `btTile`, adding to marks
    // already shown; tile 0 only forgets which tile was shown.
    void ShowMove(int btMode, int btTile);
    void FlipBackGround(int btTile);
    // Takes every mark off and forgets the shown tile.
    void HideMove();

    int shownTile() const { return btShownTile; }
    Colour backColour(int tile) const { return backColours_[tile - 1]; }
    bool isMarked(int tile) const { return backColour(tile) == lngHighlightColor; }

    const Colour lngHighlightColor = kHighlightColour;
    const Colour lngNormalColor = kNormalColour;

  private:
    void setBackColour(int tile, Colour colour);

    Display& display_;
    std::uint8_t btShownTile = 0;
    std::array<Colour, kTileCount> backColours_;
};

}  // namespace tenebrix
