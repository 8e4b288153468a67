// SPDX-License-Identifier: GPL-3.0-or-later
// The move record: puzzle moves and moves still to go.
#include "MoveRecord.h"

#include <algorithm>

namespace tenebrix {

int MoveRecord::movesToGoCount() const {
    return static_cast<int>(std::count(movesToGo_.begin(), movesToGo_.end(), true));
}

int MoveRecord::nthMoveToGo(int index) const {
    for (int tile = 1; tile <= kTileCount; ++tile) {
        if (moveToGo(tile) && index-- == 0) return tile;
    }
    return 0;
}

void MoveRecord::clear() {
    puzzleMoves_.fill(false);
    movesToGo_.fill(false);
}

void MoveRecord::addPuzzleMove(int tile) {
    puzzleMoves_[tile - 1] = true;
    movesToGo_[tile - 1] = true;
}

}  // namespace tenebrix
