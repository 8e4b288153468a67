// SPDX-License-Identifier: GPL-3.0-or-later
// The click-to-repaint benchmarks time ordinary moves only: a move that
// wins would time its message and the next puzzle as well.
#pragma once

#include <random>

#include "Game.h"
#include "PatternTable.h"

namespace tenebrix::bench {

// A tile whose move leaves some tile lit.
inline int ordinaryMove(const Game& game, std::mt19937& chance) {
    std::uniform_int_distribution<int> anyTile(1, kTileCount);
    for (;;) {
        const int tile = anyTile(chance);
        if ((game.currentValue() ^ moveMask(game.settings().mode, tile)) != kSolvedBoard)
            return tile;
    }
}

}  // namespace tenebrix::bench
