// What the player should see, worked out by the soak test from the events it
// made, apart from the game: the board, the moves to go, the counter, the
// hint flag, the settings and the View menu's two switches.
#pragma once

#include <bit>
#include <cstdint>

#include "PatternTable.h"
#include "Settings.h"

namespace tenebrix::testing {

// Bit n-1 stands for tile n, as in a puzzle value.
using TileSet = std::uint32_t;

constexpr TileSet bitOf(int tile) {
    return static_cast<TileSet>(tileBit(tile));
}

struct ExpectedPlay {
    PuzzleValue value = kSolvedBoard;
    PuzzleValue start = kSolvedBoard;
    TileSet puzzleMoves = 0;
    TileSet movesToGo = 0;
    std::int64_t moves = 0;
    bool hintUsed = false;
    int mode = kMinMode;
    int level = kMinLevel;
    int tileSet = kMinTileSet;
    bool tileNumbersShown = false;
    bool statusBarShown = true;

    // A click on `tile`: its move flips the board and its move-to-go flag.
    void click(int tile) {
        value ^= moveMask(mode, tile);
        movesToGo ^= bitOf(tile);
        ++moves;
    }
    bool isWon() const { return value == kSolvedBoard; }
    // Only the game's chance decides which tiles a new puzzle presses; the
    // rest of the puzzle follows from them, and the checks hold the game to it.
    void newPuzzle(TileSet pressed) {
        puzzleMoves = movesToGo = pressed;
        start = value = xorOfMasks(mode, pressed);
        moves = 0;
        hintUsed = false;
    }
    // The counter starts again; the hint flag survives.
    void reset() {
        value = start;
        movesToGo = puzzleMoves;
        moves = 0;
    }
    // The level-up offer comes only to a player who needed exactly as many
    // moves as the level, took no hint, and is below the top level.
    bool earnsOffer() const { return level < kMaxLevel && moves == level && !hintUsed; }

    static PuzzleValue xorOfMasks(int mode, TileSet tiles) {
        PuzzleValue value = kSolvedBoard;
        for (int tile = 1; tile <= kTileCount; ++tile)
            if (tiles & bitOf(tile)) value ^= moveMask(mode, tile);
        return value;
    }
    static int count(TileSet tiles) { return std::popcount(tiles); }
};

}  // namespace tenebrix::testing
