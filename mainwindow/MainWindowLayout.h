// SPDX-License-Identifier: GPL-3.0-or-later
// Where every control of the main window sits, in twips relative to its
// container: the window's client area, or the settings frame for its contents.
#pragma once

#include "Twips.h"

namespace tenebrix::ui::layout {

inline constexpr int kClientWidth = 6795;
inline constexpr int kClientHeight = 4920;

// The board: a 5 x 5 grid at a pitch of 750, with 205 of bare window between
// neighbours so the pointer crosses the window on its way to the next tile.
inline constexpr int kBoardOrigin = 150;
inline constexpr int kTilePitch = 750;
inline constexpr int kTileSize = 545;

constexpr TwipRect picTile(int n) {
    return {kBoardOrigin + kTilePitch * ((n - 1) % 5), kBoardOrigin + kTilePitch * ((n - 1) / 5),
            kTileSize, kTileSize};
}
// Tucked 20 twips under its tile, which covers that strip.
constexpr TwipRect lblTileNumbers(int n) {
    return {picTile(n).left, picTile(n).top + 525, 540, 165};
}

inline constexpr TwipRect cmdHint{150, 3900, 1065, 540};
inline constexpr TwipRect cmdNewPuzzle{1350, 3900, 1140, 540};
inline constexpr TwipRect cmdReset{2625, 3900, 1065, 540};
inline constexpr TwipRect lblPuzState{75, 3825, 1290, 240};
inline constexpr TwipRect lblPuzValue{1275, 3825, 1290, 240};
inline constexpr TwipRect Frame1{3900, 75, 2715, 4365};
inline constexpr int kStatusBarHeight = 270;

// Inside Frame1.
inline constexpr TwipRect PicOn{675, 300, 545, 545};
inline constexpr TwipRect picOff{1425, 300, 545, 545};
inline constexpr TwipRect lblTileSet{375, 900, 1815, 225};
inline constexpr TwipRect ScrollTileSet{375, 1125, 1890, 240};
// Diagram 4's box is taller than the others; all nine share one spot.
constexpr TwipRect picMode(int k) {
    return {975, 1500, 855, k == 4 ? 930 : 855};
}
inline constexpr TwipRect lblMode{375, 2400, 1890, 255};
inline constexpr TwipRect ScrollMode{375, 2625, 1890, 240};
inline constexpr TwipRect lblLevel{375, 3075, 1890, 255};
inline constexpr TwipRect ScrollLevel{375, 3375, 1890, 240};
inline constexpr TwipRect lblMovesLabel{525, 3900, 1065, 390};
inline constexpr TwipRect lblMoves{1650, 3900, 465, 315};

}  // namespace tenebrix::ui::layout
