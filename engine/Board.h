// SPDX-License-Identifier: GPL-3.0-or-later
// The 5 x 5 board: tile numbers 1..25 row by row from the top left, and the
// puzzle value, whose bit n-1 is set while tile n is lit.
#pragma once

#include <array>
#include <cstdint>

namespace tenebrix {

using PuzzleValue = std::int32_t;

inline constexpr int kBoardSide = 5;
inline constexpr int kTileCount = kBoardSide * kBoardSide;
inline constexpr PuzzleValue kSolvedBoard = 0;
inline constexpr PuzzleValue kAllLit = (PuzzleValue{1} << kTileCount) - 1;

// Lit (true) or dark for tiles 1..25; index 0 is tile 1.
using TileStates = std::array<bool, kTileCount>;

constexpr bool isTile(int tile) {
    return tile >= 1 && tile <= kTileCount;
}
constexpr int tileRow(int tile) {
    return (tile - 1) / kBoardSide;
}
constexpr int tileColumn(int tile) {
    return (tile - 1) % kBoardSide;
}
constexpr int tileAt(int row, int column) {
    return row * kBoardSide + column + 1;
}
constexpr bool isOnBoard(int row, int column) {
    return row >= 0 && row < kBoardSide && column >= 0 && column < kBoardSide;
}
constexpr PuzzleValue tileBit(int tile) {
    return PuzzleValue{1} << (tile - 1);
}
constexpr bool isLit(PuzzleValue value, int tile) {
    return (value & tileBit(tile)) != 0;
}

constexpr TileStates tileStates(PuzzleValue value) {
    TileStates lit{};
    for (int tile = 1; tile <= kTileCount; ++tile) lit[tile - 1] = isLit(value, tile);
    return lit;
}

}  // namespace tenebrix
