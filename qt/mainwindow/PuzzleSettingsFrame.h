// SPDX-License-Identifier: GPL-3.0-or-later
// The "Puzzle Settings" frame: the tile set, mode and level scroll bars, the
// sample pictures of the tile set, the mode diagram and the move counter.
// It only shows; every change of a scroll bar is passed on to the game.
#pragma once

#include <QGroupBox>
#include <array>

#include "MainWindowForm.h"
#include "PictureBox.h"
#include "Settings.h"

class QLabel;
class QScrollBar;

namespace tenebrix::qt {

class PuzzleSettingsFrame final : public QGroupBox {
    Q_OBJECT

  public:
    explicit PuzzleSettingsFrame(QWidget* parent = nullptr);

    PictureBox* PicOn() const { return PicOn_; }
    PictureBox* picOff() const { return picOff_; }
    QLabel* lblMode() const { return lblMode_; }
    QLabel* lblLevel() const { return lblLevel_; }
    QLabel* lblMoves() const { return lblMoves_; }

    // Exactly diagram `mode` visible; any other number hides all nine.
    void showModeDiagram(int mode);
    // The sample pictures and caption of tile set `tileSet` (1..8).
    void showTileSet(int tileSet);
    // Moves the level scroll bar without reporting a change: the game, which
    // set the level, runs the level's reaction itself.
    void setLevelQuietly(int level);

  signals:
    void tileSetChanged(int tileSet);
    void modeChanged(int mode);
    void levelChanged(int level);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void createTileSetControls();
    void createModeControls();
    void createLevelControls();
    void createMoveCounter();
    QLabel* addLabel(const forms::frmMain::FrameLabel& label);
    QScrollBar* addScrollBar(const forms::frmMain::ScrollBar& scrollBar, int minimum, int maximum);

    PictureBox* PicOn_;
    PictureBox* picOff_;
    QLabel* lblTileSet_;
    QScrollBar* ScrollTileSet_;
    // picMode(k) is picMode_[k - 1].
    static_assert(kMinMode == 1, "picMode_ holds modes 1..kMaxMode");
    std::array<PictureBox*, kMaxMode> picMode_{};
    QLabel* lblMode_;
    QScrollBar* ScrollMode_;
    QLabel* lblLevel_;
    QScrollBar* ScrollLevel_;
    QLabel* lblMoves_;
};

}  // namespace tenebrix::qt
