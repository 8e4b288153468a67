// SPDX-License-Identifier: GPL-3.0-or-later
// One tile of the board: a picture box that a player can also reach from the
// keyboard and a screen reader can name. The mouse works on it exactly as on
// any other picture box; the keyboard and the reader are additions.
#pragma once

#include "PictureBox.h"

namespace tenebrix::qt {

class BoardTile final : public PictureBox {
    Q_OBJECT

  public:
    explicit BoardTile(int tile, QWidget* parent = nullptr);

    int tile() const { return tile_; }
    // Keeps what a screen reader says about the tile in step with the board.
    void setLit(bool lit);
    // What Space, Enter and a reader's press action do: the same as a click.
    void press();

  signals:
    // An arrow key asks for the keyboard's mark to go one tile that way.
    void stepRequested(int rows, int columns);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void paintFocusMark();

    int tile_;
};

}  // namespace tenebrix::qt
