// SPDX-License-Identifier: GPL-3.0-or-later
// A player who does random things to the main window: tile clicks, pointer
// moves, the buttons and menus, the scroll bars. It works out what the
// player should see from its own events, apart from the game.
#pragma once

#include <QString>
#include <random>

#include "MoveRecord.h"
#include "PatternTable.h"
#include "Settings.h"
#include "SoakWindow.h"

namespace tenebrix::testing {

// Tiles as in a puzzle value: bit n-1 stands for tile n.
using TileSet = PuzzleValue;

inline TileSet tilesFlagged(const MoveRecord& record, bool (MoveRecord::*flag)(int) const) {
    TileSet tiles = 0;
    for (int tile = 1; tile <= kTileCount; ++tile)
        if ((record.*flag)(tile)) tiles |= tileBit(tile);
    return tiles;
}

inline PuzzleValue xorOfMasks(int mode, TileSet tiles) {
    PuzzleValue value = kSolvedBoard;
    for (int tile = 1; tile <= kTileCount; ++tile)
        if (tiles & tileBit(tile)) value ^= moveMask(mode, tile);
    return value;
}

// What the player should see, from the events alone.
struct ExpectedPlay {
    int tileSet = kMinTileSet;
    int mode = kMinMode;
    int level = kMinLevel;
    TileSet puzzleMoves = 0;
    TileSet movesToGo = 0;
    std::int64_t moves = 0;
    bool hintUsed = false;
    bool tileNumbersShown = false;
    bool statusBarShown = true;
};

class RandomUser {
  public:
    struct Event {
        QString what;
        // What went wrong with the messages on the way, or empty.
        QString problem;
    };

    RandomUser(SoakWindow& soak, std::uint32_t seed);

    // Does one random thing and updates the expected play to match.
    Event act();
    const ExpectedPlay& expected() const { return expected_; }

    int wins = 0;
    int hints = 0;

  private:
    Event clickTile();
    Event movePointer();
    Event giveCommand();
    Event scroll();
    QString checkHint(const std::vector<ShownMessage>& shown);
    void adoptNewPuzzle();
    std::vector<ShownMessage> takeMessages() { return std::exchange(soak_.messages.shown, {}); }
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(chance_); }
    QPoint pointIn(const QRect& rect) {
        return {pick(rect.left(), rect.right()), pick(rect.top(), rect.bottom())};
    }

    SoakWindow& soak_;
    ExpectedPlay expected_;
    std::mt19937 chance_;
};

}  // namespace tenebrix::testing
