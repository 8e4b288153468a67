// SPDX-License-Identifier: GPL-3.0-or-later
// Playing the board from the keyboard: the board is one stop in the tab
// chain, the arrow keys move that stop to a neighbouring tile, staying on
// the board, and Space or Enter plays the tile in focus.
#pragma once

#include "Board.h"
#include "Keys.h"

namespace tenebrix::ui {

// The tile one step from `tile` in the given direction, staying on the board.
constexpr int steppedTile(int tile, int rows, int columns) {
    const auto clamp = [](int index) {
        return index < 0 ? 0 : index >= kBoardSide ? kBoardSide - 1 : index;
    };
    return tileAt(clamp(tileRow(tile) + rows), clamp(tileColumn(tile) + columns));
}

struct BoardKeyAction {
    enum class Kind {
        NotForTheBoard,  // the window's other keys deal with it
        MoveStop,        // `tile` becomes the board's stop and takes the focus
        Play,            // a click on `tile`
        Nothing,         // the board's key, but it does nothing (a held Space)
    };
    Kind kind = Kind::NotForTheBoard;
    int tile = 0;

    constexpr bool operator==(const BoardKeyAction&) const = default;
};

// What `key` does on the board while tile `focused` has the focus. Holding
// Space or Enter plays one move, as holding the mouse button does.
constexpr BoardKeyAction boardKey(const KeyPress& key, int focused) {
    using Kind = BoardKeyAction::Kind;
    if (!isTile(focused) || !key.plain()) return {};
    switch (key.key) {
        case Key::Left:
            return {Kind::MoveStop, steppedTile(focused, 0, -1)};
        case Key::Right:
            return {Kind::MoveStop, steppedTile(focused, 0, 1)};
        case Key::Up:
            return {Kind::MoveStop, steppedTile(focused, -1, 0)};
        case Key::Down:
            return {Kind::MoveStop, steppedTile(focused, 1, 0)};
        case Key::Space:
        case Key::Enter:
            return key.repeat ? BoardKeyAction{Kind::Nothing, focused}
                              : BoardKeyAction{Kind::Play, focused};
        default:
            return {};
    }
}

}  // namespace tenebrix::ui
