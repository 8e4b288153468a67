// SPDX-License-Identifier: GPL-3.0-or-later
// A game wired to a recording display and a scripted random source.
#pragma once

#include <vector>

#include "FakeDisplay.h"
#include "Game.h"
#include "GameInvariants.h"
#include "ScriptedRandom.h"

namespace tenebrix::testing {

struct GameFixture {
    FakeDisplay display;
    ScriptedRandom random;
    Game game{display, random};

    // A loaded game whose first puzzle presses `tiles`.
    explicit GameFixture(const std::vector<int>& tiles = {}) {
        display.game = &game;
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

    std::vector<int> movesToGo() const {
        std::vector<int> tiles;
        for (int tile = 1; tile <= kTileCount; ++tile)
            if (game.moves().moveToGo(tile)) tiles.push_back(tile);
        return tiles;
    }

    // The first rule of the game broken so far, or empty.
    std::string brokenRule() const {
        if (!display.brokenRule.empty()) return display.brokenRule;
        const std::string rule = brokenGameRule(game);
        return rule.empty() ? brokenDisplayRule(game, display) : rule;
    }
};

}  // namespace tenebrix::testing
