// SPDX-License-Identifier: GPL-3.0-or-later
// The tile pictures: for each of the eight tile sets a raised lit tile in the
// set's colour, and the one sunken dark tile, each with a transparent margin.
#pragma once

#include <string>

#include "Image.h"
#include "Settings.h"

namespace tenebrix::pictures {

// Two pictures per tile set, numbered from 1, so the sets must count from 1 too.
static_assert(kMinTileSet == 1, "tile pictures 1..2*kMaxTileSet need tile sets from 1");
inline constexpr int kTilePictureCount = 2 * kMaxTileSet;
inline constexpr int kTilePictureSize = 32;
// The board box's back colour shows through this margin; the move preview
// marks a tile by changing it, so the square inside must never cover it.
inline constexpr int kTileMargin = 3;

constexpr bool isTilePicture(int index) {
    return index >= 1 && index <= kTilePictureCount;
}
constexpr int litPictureOf(int tileSet) {
    return 2 * tileSet - 1;
}
constexpr int darkPictureOf(int tileSet) {
    return 2 * tileSet;
}

// Face colour of tile set 1..8's lit tile; black for any other number.
Rgba tileSetFaceColour(int tileSet);

// Picture 1..16: odd pictures are the lit tile of set (index + 1) / 2, even
// pictures the dark tile. Empty for any other index.
Image tilePicture(int index, int scale = 1);

// The text the picture carries (the same for all sixteen); empty for any
// other index.
std::string tilePictureText(int index);

}  // namespace tenebrix::pictures
