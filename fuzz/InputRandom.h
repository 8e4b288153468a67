// SPDX-License-Identifier: GPL-3.0-or-later
// The game's chance, taken from the fuzzer's input so that it can steer
// puzzles and hints; once the input is used up a generator seeded from the
// input takes over.
#pragma once

#include "FuzzCheck.h"
#include "InputBytes.h"
#include "RandomSource.h"
#include "ScriptedRandom.h"

namespace tenebrix::fuzz {

class InputRandom : public RandomSource {
  public:
    explicit InputRandom(InputBytes& input) : input_(input), fallback_(input.hash()) {}

    int below(int count) override {
        // The game must only ask for a draw it can use.
        require(count >= 1, "random draws are asked among at least one choice");
        if (input_.empty()) return fallback_.below(count);
        return input_.byte() % count;
    }

  private:
    InputBytes& input_;
    testing::ScriptedRandom fallback_;
};

}  // namespace tenebrix::fuzz
