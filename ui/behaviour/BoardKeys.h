// SPDX-License-Identifier: GPL-3.0-or-later
// Playing the board from the keyboard: the board is one stop in the tab
// chain, the arrow keys move that stop to a neighbouring tile.
#pragma once

#include "Board.h"

namespace tenebrix::forms {

// The tile one step from `tile` in the given direction, staying on the board.
constexpr int steppedTile(int tile, int rows, int columns) {
    const auto clamp = [](int index) {
        return index < 0 ? 0 : index >= kBoardSide ? kBoardSide - 1 : index;
    };
    return tileAt(clamp(tileRow(tile) + rows), clamp(tileColumn(tile) + columns));
}

}  // namespace tenebrix::forms
