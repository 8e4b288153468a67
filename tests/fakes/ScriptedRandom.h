// SPDX-License-Identifier: GPL-3.0-or-later
// A random source that presses the tiles a test chooses. The game draws each
// puzzle move among the tiles not yet pressed, in tile order, and each hint
// among the moves to go; this fake turns wanted tiles into those draws.
#pragma once

#include <algorithm>
#include <deque>
#include <random>
#include <vector>

#include "RandomSource.h"

namespace tenebrix::testing {

class ScriptedRandom : public RandomSource {
  public:
    // Falls back to a seeded generator once the script has run out.
    explicit ScriptedRandom(unsigned seed = 1) : fallback_(seed) {}

    // The next puzzle presses exactly these tiles, in this order.
    void scriptPuzzle(const std::vector<int>& tiles) {
        std::vector<int> free(25);
        for (int tile = 1; tile <= 25; ++tile) free[tile - 1] = tile;
        for (int tile : tiles) {
            const auto at = std::find(free.begin(), free.end(), tile);
            draws_.push_back(static_cast<int>(at - free.begin()));
            free.erase(at);
        }
    }
    // The next draw returns this raw value.
    void scriptDraw(int value) { draws_.push_back(value); }

    int below(int count) override {
        ++calls;
        if (draws_.empty()) return std::uniform_int_distribution<int>(0, count - 1)(fallback_);
        const int value = draws_.front();
        draws_.pop_front();
        return value;
    }

    int calls = 0;

  private:
    std::deque<int> draws_;
    std::mt19937 fallback_;
};

}  // namespace tenebrix::testing
