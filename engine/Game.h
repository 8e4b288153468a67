// SPDX-License-Identifier: GPL-3.0-or-later
// The game: the puzzle in play, the settings and the move preview, and every
// command the player can give. Window-free; it shows itself through Display.
#pragma once

#include <cstdint>
#include <string>

#include "Board.h"
#include "MovePreview.h"
#include "MoveRecord.h"
#include "Settings.h"

namespace tenebrix {

class Display;
class RandomSource;

class Game {
  public:
    Game(Display& display, RandomSource& random);

    // --- What the player does (named after the controls that trigger it) ---

    // The window has loaded: show the settings and make the first puzzle.
    void Form_Load();
    void picTile_Click(int index);
    void cmdNewPuzzle_Click();
    void cmdReset_Click();
    void cmdHint_Click();
    void ScrollMode_Change(int mode);
    void ScrollLevel_Change(int level);
    void ScrollTileSet_Change(int tileSet);
    void mnuTileNumbers_Click();
    void picTile_MouseMove(int index);
    void lblTileNumbers_MouseMove();
    void HideMove() { preview_.HideMove(); }

    // --- The procedures those commands are built from ---

    void SetMove(int btMode, int btTile);
    void FlipTile(int btTile);
    void FlipMove(int index) {
        if (isTile(index)) intMoves.FlipMove(index);
    }
    void CreatePuzzle(int intMode, int intLevel);
    void LoadTiles(PuzzleValue lngPuzValue);
    void ResetPuzzle();
    void SetMode();
    void SetLevel();
    void SetTileSet();
    void SetTileNumbers();
    void ShowMove(int btMode, int btTile) { preview_.ShowMove(btMode, btTile); }

    // --- State, for the display and for tests ---

    PuzzleValue currentValue() const { return currentValue_; }
    PuzzleValue startValue() const { return startValue_; }
    std::int64_t moveCount() const { return moveCount_; }
    bool hintUsed() const { return blnHintUsed; }
    const MoveRecord& moves() const { return intMoves; }
    const MovePreview& preview() const { return preview_; }
    const Settings& settings() const { return settings_; }
    bool tileNumbersShown() const { return tileNumbersShown_; }

    // A level above this would need more distinct tiles than the board has.
    static constexpr int kMaxPuzzleMoves = kTileCount;

  private:
    void setCurrentValue(PuzzleValue value);
    void setMoveCount(std::int64_t moves);
    void drawPuzzleMoves(int mode, int count);
    void announceWin();

    Display& display_;
    RandomSource& random_;
    Settings settings_;
    MovePreview preview_;

    PuzzleValue currentValue_ = kSolvedBoard;
    PuzzleValue startValue_ = kSolvedBoard;
    // "0" until a puzzle is made with at least one press, then number text.
    std::string startCaption_ = "0";
    MoveRecord intMoves;
    bool blnHintUsed = false;
    // Counts on past 32767: a long game never wraps to a negative count.
    std::int64_t moveCount_ = 0;
    bool tileNumbersShown_ = false;
};

}  // namespace tenebrix
