// SPDX-License-Identifier: GPL-3.0-or-later
// The move preview: marks behind the tiles a click would flip.
#include "MovePreview.h"

#include "Display.h"
#include "PatternTable.h"

namespace tenebrix {

MovePreview::MovePreview(Display& display) : display_(display) {
    backColours_.fill(kPlatformBackColour);
}

void MovePreview::ShowMove(int btMode, int btTile) {
    // A pointer moving within the tile already previewed draws nothing again.
    if (btTile == btShownTile) return;
    btShownTile = static_cast<std::uint8_t>(btTile);
    const PuzzleValue mask = moveMask(btMode, btTile);
    for (int tile = 1; tile <= kTileCount; ++tile) {
        if (isLit(mask, tile)) FlipBackGround(tile);
    }
}

// Despite the name it never toggles: a tile in two previews stays marked.
void MovePreview::FlipBackGround(int btTile) {
    setBackColour(btTile, lngHighlightColor);
}

void MovePreview::HideMove() {
    // Only marked tiles return to the normal colour; a tile never previewed
    // keeps the platform's default.
    for (int tile = 1; tile <= kTileCount; ++tile) {
        if (isMarked(tile)) setBackColour(tile, lngNormalColor);
    }
    btShownTile = 0;
}

void MovePreview::setBackColour(int tile, Colour colour) {
    backColours_[tile - 1] = colour;
    display_.setTileBackColour(tile, colour);
}

}  // namespace tenebrix
