// SPDX-License-Identifier: GPL-3.0-or-later
// The tile pictures of the eight tile sets.
#include "TilePictures.h"

#include <array>

#include "Canvas.h"
#include "Palette.h"
#include "Translate.h"

namespace tenebrix::pictures {

namespace {

constexpr int kSquareSide = kTilePictureSize - 2 * kTileMargin;  // 26
constexpr int kEdgeWidth = 2;

// Tile set s at index s - 1: the sets must count from 1.
static_assert(kMinTileSet == 1, "kFaceColours holds tile sets 1..kMaxTileSet");
constexpr std::array<Rgba, kMaxTileSet> kFaceColours{
    palette::cyan, palette::magenta, palette::yellow, palette::red,
    palette::blue, palette::purple,  palette::teal,   palette::green,
};

struct TileColours {
    Rgba lightEdge;
    Rgba darkEdge;
    Rgba face;
};

// The light edge runs along the top and left and the dark edge along the
// bottom and right; where they meet, at the top-right and bottom-left corners,
// the diagonal u + v = 25 divides them.
Rgba squarePixel(int u, int v, const TileColours& colours) {
    const int far = kSquareSide - kEdgeWidth;
    const bool nearEdge = u < kEdgeWidth || v < kEdgeWidth;
    const bool farEdge = u >= far || v >= far;
    if (!nearEdge && !farEdge) return colours.face;
    return nearEdge && u + v <= kSquareSide - 1 ? colours.lightEdge : colours.darkEdge;
}

TileColours coloursOf(int index) {
    if (index % 2 == 0) return {palette::grey, palette::white, palette::black};
    return {palette::white, palette::black, tileSetFaceColour((index + 1) / 2)};
}

}  // namespace

Rgba tileSetFaceColour(int tileSet) {
    return isTileSet(tileSet) ? kFaceColours[tileSet - 1] : palette::black;
}

Image tilePicture(int index, int scale) {
    if (!isTilePicture(index)) return {};
    const TileColours colours = coloursOf(index);
    Canvas canvas(kTilePictureSize, kTilePictureSize, scale, palette::transparent);
    for (int v = 0; v < kSquareSide; ++v) {
        for (int u = 0; u < kSquareSide; ++u)
            canvas.setPixel(u + kTileMargin, v + kTileMargin, squarePixel(u, v, colours));
    }
    return std::move(canvas).image();
}

std::string tilePictureText(int index) {
    // TRANSLATORS: the caption under the tile set's two sample tiles, and the
    // player's task: make every tile dark ("black"). About 23 characters at
    // most (121 pixels at 8 points).
    return isTilePicture(index) ? N_("Change all tiles to black") : std::string();
}

}  // namespace tenebrix::pictures
