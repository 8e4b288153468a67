// SPDX-License-Identifier: GPL-3.0-or-later
// The board's stop in the tab chain and the arrow keys that move it.
#include "BoardKeyboard.h"

#include "BoardTile.h"

namespace tenebrix::qt {

BoardKeyboard::BoardKeyboard(const Tiles& tiles, QObject* parent) : QObject(parent), tiles_(tiles) {
    for (BoardTile* tile : tiles_) {
        connect(tile, &BoardTile::stepRequested, this,
                [this, n = tile->tile()](int rows, int columns) { step(n, rows, columns); });
    }
    stop()->setFocusPolicy(Qt::TabFocus);
}

void BoardKeyboard::step(int fromTile, int rows, int columns) {
    const int target = ui::steppedTile(fromTile, rows, columns);
    if (target != stop_) moveStop(target);
}

// The new stop takes the focus before the old one leaves the chain, so the
// focus never falls to some other control on the way.
void BoardKeyboard::moveStop(int tile) {
    BoardTile* previous = stop();
    stop_ = tile;
    stop()->setFocusPolicy(Qt::TabFocus);
    stop()->setFocus(Qt::OtherFocusReason);
    previous->setFocusPolicy(Qt::NoFocus);
}

}  // namespace tenebrix::qt
