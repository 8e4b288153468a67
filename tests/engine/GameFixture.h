// SPDX-License-Identifier: GPL-3.0-or-later
// A game wired to a recording display and a scripted random source.
#pragma once

#include <vector>

#include "FakeDisplay.h"
#include "Game.h"
#include "PatternTable.h"
#include "ScriptedRandom.h"

namespace tenebrix::testing {

struct GameFixture {
    FakeDisplay display;
    ScriptedRandom random;
    Game game{display, random};

    // A loaded game whose first puzzle presses `tiles`.
    explicit GameFixture(const std::vector<int>& tiles = {}) {
        if (!tiles.empty()) random.scriptPuzzle(tiles);
        game.Form_Load();
    }

    void newPuzzle(const std::vector<int>& tiles) {
        random.scriptPuzzle(tiles);
        game.cmdNewPuzzle_Click();
    }

    void click(const std::vector<int>& tiles) {
        for (int tile : tiles) game.picTile_Click(tile);
    }

    // What the board must be, by the record of moves still to go.
    PuzzleValue valueOfMovesToGo() const {
        PuzzleValue value = 0;
        for (int tile = 1; tile <= kTileCount; ++tile)
            if (game.moves().moveToGo(tile)) value ^= moveMask(game.settings().mode, tile);
        return value;
    }

    std::vector<int> movesToGo() const {
        std::vector<int> tiles;
        for (int tile = 1; tile <= kTileCount; ++tile)
            if (game.moves().moveToGo(tile)) tiles.push_back(tile);
        return tiles;
    }
};

}  // namespace tenebrix::testing
