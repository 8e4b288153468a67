// SPDX-License-Identifier: GPL-3.0-or-later
// Where the game's chance comes from. Injected, so tests can script it.
#pragma once

#include <random>

namespace tenebrix {

class RandomSource {
  public:
    virtual ~RandomSource() = default;
    // A whole number uniform in [0, count), count >= 1.
    virtual int below(int count) = 0;
};

// The game's own generator: seeded once from the clock, never again, so two
// draws in the same clock tick still differ as they should.
class ClockSeededRandom final : public RandomSource {
  public:
    ClockSeededRandom();
    int below(int count) override;

  private:
    std::mt19937 generator_;
};

}  // namespace tenebrix
