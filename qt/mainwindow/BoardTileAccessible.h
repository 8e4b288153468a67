// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader sees of a board tile: a button named after the tile and
// its state ("Tile 7, lit"), which the reader's press action plays.
#pragma once

#include <QAccessibleWidget>

namespace tenebrix::qt {

class BoardTile;

class BoardTileAccessible final : public QAccessibleWidget {
  public:
    explicit BoardTileAccessible(BoardTile* tile);

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

  private:
    BoardTile* tile() const;
};

// Makes Qt's accessibility use BoardTileAccessible for every board tile.
// Safe to call any number of times.
void installBoardTileAccessibility();

}  // namespace tenebrix::qt
