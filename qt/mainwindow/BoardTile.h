// SPDX-License-Identifier: GPL-3.0-or-later
// One tile of the board: a picture box that a player can also reach from the
// keyboard and a screen reader can name. The mouse works on it exactly as on
// any other picture box; its keys go on to the window, whose rules play the
// board (BoardKeys.h), and it shows a mark while it has the focus.
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
    // What a reader's press action does: the same as a click.
    void press();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void paintFocusMark();

    int tile_;
    bool lit_ = false;  // as the screen reader was last told
};

}  // namespace tenebrix::qt
