// SPDX-License-Identifier: GPL-3.0-or-later
// A game wired to a recording display and a scripted random source.
#pragma once

#include "FakeDisplay.h"
#include "Game.h"
#include "ScriptedRandom.h"

namespace tenebrix::testing {

struct GameFixture {
    FakeDisplay display;
    ScriptedRandom random;
    Game game{display, random};

    explicit GameFixture(const std::vector<int>& firstPuzzlePresses = {}) {
        display.game = &game;
        random.scriptPuzzle(firstPuzzlePresses);
        game.Form_Load();
    }

    void newPuzzle(const std::vector<int>& tiles) {
        random.scriptPuzzle(tiles);
        game.cmdNewPuzzle_Click();
    }

    void click(const std::vector<int>& tiles) {
        for (int tile : tiles) game.picTile_Click(tile);
    }

    std::vector<int> movesToGo() const {
        std::vector<int> tiles;
        for (int tile = 1; tile <= kTileCount; ++tile)
            if (game.moves().moveToGo(tile)) tiles.push_back(tile);
        return tiles;
    }

    std::string brokenRule() const {
        return display.brokenRule + brokenGameRule(game) + brokenDisplayRule(game, display);
    }
};

}  // namespace tenebrix::testing
