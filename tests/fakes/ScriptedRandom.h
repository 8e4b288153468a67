// SPDX-License-Identifier: GPL-3.0-or-later
// A random source that presses the tiles a test chooses, by turning them into
// the draws the game makes: each puzzle move is an index among the free tiles.
#pragma once

#include <bit>
#include <deque>
#include <random>
#include <vector>

#include "RandomSource.h"

namespace tenebrix::testing {

struct ScriptedRandom : RandomSource {
    explicit ScriptedRandom(unsigned seed = 1) : fallback(seed) {}  // once the script is used up
    explicit ScriptedRandom(std::mt19937 stream) : fallback(stream) {}

    // The next puzzle presses exactly these tiles, in this order.
    void scriptPuzzle(const std::vector<int>& tiles) {
        unsigned pressed = 0;
        for (int tile : tiles) {
            draws.push_back(tile - 1 - std::popcount(pressed & ((1u << (tile - 1)) - 1)));
            pressed |= 1u << (tile - 1);
        }
    }
    void scriptDraw(int value) { draws.push_back(value); }  // the next draw, raw

    int below(int count) override {
        if (draws.empty()) return std::uniform_int_distribution<int>(0, count - 1)(fallback);
        const int value = draws.front();
        draws.pop_front();
        return value;
    }

    std::deque<int> draws;
    std::mt19937 fallback;
};

}  // namespace tenebrix::testing
