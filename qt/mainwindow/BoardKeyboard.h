// SPDX-License-Identifier: GPL-3.0-or-later
// The board's one place in the tab chain. A single tile at a time is the
// board's stop; the arrow keys move the stop and the focus to a neighbouring
// tile and stop at the board's edges.
#pragma once

#include <QObject>
#include <array>

#include "Board.h"
#include "BoardKeys.h"

namespace tenebrix::qt {

class BoardTile;

class BoardKeyboard final : public QObject {
    Q_OBJECT

  public:
    using Tiles = std::array<BoardTile*, kTileCount>;

    // `tiles` are tiles 1..25 in order; tile 1 is the first stop.
    explicit BoardKeyboard(const Tiles& tiles, QObject* parent = nullptr);

    // The tile that Tab reaches.
    BoardTile* stop() const { return tiles_[stop_ - 1]; }

  private:
    void step(int fromTile, int rows, int columns);
    void moveStop(int tile);

    Tiles tiles_;
    int stop_ = 1;
};


}  // namespace tenebrix::qt
