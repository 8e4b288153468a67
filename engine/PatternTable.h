// SPDX-License-Identifier: GPL-3.0-or-later
// The move patterns of the nine modes: which cells of the 3 x 3 square around
// a pressed tile a move flips. Every move mask, every preview and every mode
// diagram comes from this one table, so they can never disagree.
#pragma once

#include <array>
#include <string_view>

#include "Board.h"
#include "Settings.h"

namespace tenebrix {

// Rows above, same, below; 'X' marks a flipped cell, the centre is the pressed tile.
using Shape = std::array<std::string_view, 3>;

// One shape per mode, mode m at index m - 1: modes must count from 1.
static_assert(kMinMode == 1, "kPatternShapes holds modes 1..kMaxMode");
inline constexpr std::array<Shape, kMaxMode> kPatternShapes{{
    {".X.", "XXX", ".X."},  // 1: plus
    {"X.X", ".X.", "X.X"},  // 2: diagonal cross
    {"XXX", ".X.", "XXX"},  // 3
    {"X.X", "XXX", "X.X"},  // 4
    {"XXX", ".X.", ".X."},  // 5
    {".X.", ".X.", "XXX"},  // 6
    {"X..", "XXX", "X.."},  // 7
    {"..X", "XXX", "..X"},  // 8
    {"XXX", "X.X", "XXX"},  // 9: ring, the pressed tile itself stays
}};

// Whether a move of `mode` flips the cell at (dRow, dColumn) from the pressed
// tile; both offsets in -1..1. False for a mode outside 1..9.
constexpr bool patternFlips(int mode, int dRow, int dColumn) {
    if (!isMode(mode) || dRow < -1 || dRow > 1 || dColumn < -1 || dColumn > 1) return false;
    return kPatternShapes[mode - 1][dRow + 1][dColumn + 1] == 'X';
}

namespace detail {
// Clipped at the edges: a target off the board is dropped, never wrapped.
constexpr PuzzleValue clippedMask(int mode, int tile) {
    PuzzleValue mask = 0;
    for (int dRow = -1; dRow <= 1; ++dRow) {
        for (int dColumn = -1; dColumn <= 1; ++dColumn) {
            const int row = tileRow(tile) + dRow;
            const int column = tileColumn(tile) + dColumn;
            if (patternFlips(mode, dRow, dColumn) && isOnBoard(row, column))
                mask |= tileBit(tileAt(row, column));
        }
    }
    return mask;
}

// Indexed by mode and tile themselves, so both must count from 1 (index 0 is
// the empty guard row and column).
static_assert(kMinMode == 1 && isTile(1) && !isTile(0),
              "MaskTable is indexed by mode 1..kMaxMode and tile 1..kTileCount");
using MaskTable = std::array<std::array<PuzzleValue, kTileCount + 1>, kMaxMode + 1>;

// Row 0 and column 0 stay empty so that mode 0 or tile 0 flips nothing.
constexpr MaskTable buildMaskTable() {
    MaskTable table{};
    for (int mode = 1; mode <= kMaxMode; ++mode)
        for (int tile = 1; tile <= kTileCount; ++tile) table[mode][tile] = clippedMask(mode, tile);
    return table;
}

inline constexpr MaskTable kMoveMasks = buildMaskTable();
}  // namespace detail

// The tiles a move of `mode` at `tile` flips; 0 for a mode outside 1..9 or a
// tile outside 1..25.
constexpr PuzzleValue moveMask(int mode, int tile) {
    if (!isMode(mode) || !isTile(tile)) return 0;
    return detail::kMoveMasks[mode][tile];
}

}  // namespace tenebrix
