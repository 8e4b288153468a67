// SPDX-License-Identifier: GPL-3.0-or-later
// The game's own random generator.
#include "RandomSource.h"

#include <chrono>

namespace tenebrix {

ClockSeededRandom::ClockSeededRandom()
    : generator_(static_cast<std::mt19937::result_type>(
          std::chrono::system_clock::now().time_since_epoch().count())) {}

int ClockSeededRandom::below(int count) {
    if (count <= 1) return 0;
    return std::uniform_int_distribution<int>(0, count - 1)(generator_);
}

}  // namespace tenebrix
