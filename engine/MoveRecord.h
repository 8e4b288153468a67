// SPDX-License-Identifier: GPL-3.0-or-later
// The move record: for each tile, whether it was pressed to make the puzzle
// and whether it must still be pressed to solve it.
#pragma once

#include <array>

#include "Board.h"

namespace tenebrix {

class MoveRecord {
  public:
    bool puzzleMove(int tile) const { return puzzleMoves_[tile - 1]; }
    bool moveToGo(int tile) const { return movesToGo_[tile - 1]; }
    int movesToGoCount() const;
    // The `index`-th tile (0-based, in tile order) whose move-to-go flag is set.
    int nthMoveToGo(int index) const;

    // Both flags of every tile false.
    void clear();
    // A tile pressed while making the puzzle: it must also be pressed to solve it.
    void addPuzzleMove(int tile);
    // The player pressed `index`: a move to go is done, any other press must be undone.
    void FlipMove(int index) { movesToGo_[index - 1] = !movesToGo_[index - 1]; }
    // Back to the puzzle as made.
    void restart() { movesToGo_ = puzzleMoves_; }

  private:
    std::array<bool, kTileCount> puzzleMoves_{};
    std::array<bool, kTileCount> movesToGo_{};
};

}  // namespace tenebrix
