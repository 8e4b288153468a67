// SPDX-License-Identifier: GPL-3.0-or-later
// The game: commands and the procedures they are made of.
#include "Game.h"

#include <algorithm>

#include "Display.h"
#include "NumberText.h"
#include "PatternTable.h"
#include "RandomSource.h"
#include "WinMessage.h"

namespace tenebrix {

Game::Game(Display& display, RandomSource& random)
    : display_(display), random_(random), preview_(display) {}

void Game::Form_Load() {
    // The tile set must be loaded before the first puzzle is painted with it.
    SetMode();
    SetLevel();
    SetTileNumbers();
    SetTileSet();
    CreatePuzzle(settings_.mode, settings_.level);
}

void Game::picTile_Click(int index) {
    if (!isTile(index)) return;
    SetMove(settings_.mode, index);
    FlipMove(index);
    LoadTiles(currentValue_);
    setMoveCount(moveCount_ + 1);
    // The test runs only after a move, so a puzzle that happens to start dark
    // is not won on arrival.
    if (currentValue_ == kSolvedBoard) announceWin();
}

void Game::announceWin() {
    const int level = settings_.level;
    const WinKind kind = ChooseWinKind(level, kMaxLevel, moveCount_, blnHintUsed);
    const MessageAnswer answer = display_.showMessage(WinMessage(kind, level, moveCount_));
    if (kind == WinKind::LevelUpOffer && answer == MessageAnswer::Yes) {
        display_.setLevelSetting(level + 1);
        ScrollLevel_Change(level + 1);
    }
    // A won puzzle never stays on the board. After an accepted offer the
    // level change has just made a puzzle and this makes another: the rules
    // want both, and the player sees only the second.
    CreatePuzzle(settings_.mode, settings_.level);
}

void Game::cmdNewPuzzle_Click() {
    // CreatePuzzle has painted the board already; the rules paint it once
    // more here, and a second paint of the same board shows nothing new.
    CreatePuzzle(settings_.mode, settings_.level);
    LoadTiles(startValue_);
}

void Game::cmdReset_Click() {
    ResetPuzzle();
}

void Game::cmdHint_Click() {
    // Every puzzle in play has a move to go (the last one wins and replaces
    // the puzzle), but an empty record must not leave the player waiting.
    const int movesToGo = intMoves.movesToGoCount();
    if (movesToGo == 0) return;
    tileNumbersShown_ = true;
    display_.setTileNumbersVisible(true);
    const int tile = intMoves.nthMoveToGo(random_.below(movesToGo));
    display_.showMessage(HintMessage(tile));
    display_.setTileNumbersChecked(true);
    // Remembered until a new puzzle, through resets too: a hint costs the
    // level-up offer.
    blnHintUsed = true;
}

void Game::ScrollMode_Change(int mode) {
    settings_.mode = std::clamp(mode, kMinMode, kMaxMode);
    SetMode();
    // A new puzzle, so the move record always belongs to the mode in play.
    CreatePuzzle(settings_.mode, settings_.level);
}

void Game::ScrollLevel_Change(int level) {
    settings_.level = std::clamp(level, kMinLevel, kMaxLevel);
    SetLevel();
    CreatePuzzle(settings_.mode, settings_.level);
    LoadTiles(currentValue_);
}

void Game::ScrollTileSet_Change(int tileSet) {
    settings_.tileSet = std::clamp(tileSet, kMinTileSet, kMaxTileSet);
    SetTileSet();
    LoadTiles(currentValue_);
}

void Game::mnuTileNumbers_Click() {
    tileNumbersShown_ = !tileNumbersShown_;
    display_.setTileNumbersChecked(tileNumbersShown_);
    display_.setTileNumbersVisible(tileNumbersShown_);
}

void Game::picTile_MouseMove(int index) {
    if (isTile(index)) ShowMove(settings_.mode, index);
}

void Game::lblTileNumbers_MouseMove() {
    // Over a label the pointer is on no tile: the marks stay, but the next
    // tile entered draws its preview afresh.
    ShowMove(settings_.mode, 0);
}

void Game::SetMove(int btMode, int btTile) {
    if (!isMode(btMode) || !isTile(btTile)) return;
    setCurrentValue(currentValue_ ^ moveMask(btMode, btTile));
}

void Game::FlipTile(int btTile) {
    if (isTile(btTile)) setCurrentValue(currentValue_ ^ tileBit(btTile));
}

void Game::CreatePuzzle(int intMode, int intLevel) {
    currentValue_ = kSolvedBoard;
    std::string startCaption = "0";
    setMoveCount(0);
    blnHintUsed = false;
    intMoves.clear();
    // More presses than tiles could never be distinct; no presses leave the
    // board dark.
    const int presses = std::clamp(intLevel, 0, kMaxPuzzleMoves);
    if (presses > 0) {
        drawPuzzleMoves(intMode, presses);
        startCaption = NumberText(currentValue_);
    }
    startValue_ = currentValue_;
    display_.setCaption(Caption::PuzState, startCaption);
    display_.setCaption(Caption::PuzValue, startCaption);
    startCaption_ = startCaption;
    LoadTiles(startValue_);
    ShowMove(intMode, 0);
}

// Draws `count` distinct tiles, each uniform among those not yet taken, and
// presses them on the board. Drawing among the free tiles needs no retries.
void Game::drawPuzzleMoves(int mode, int count) {
    for (int pressed = 0; pressed < count; ++pressed) {
        int choice = random_.below(kTileCount - pressed);
        int tile = 1;
        for (;; ++tile) {
            if (!intMoves.puzzleMove(tile) && choice-- == 0) break;
        }
        intMoves.addPuzzleMove(tile);
        if (isMode(mode)) currentValue_ ^= moveMask(mode, tile);
    }
}

void Game::LoadTiles(PuzzleValue lngPuzValue) {
    display_.showTiles(tileStates(lngPuzValue));
}

void Game::ResetPuzzle() {
    currentValue_ = startValue_;
    display_.setCaption(Caption::PuzState, startCaption_);
    setMoveCount(0);
    LoadTiles(startValue_);
    ShowMove(settings_.mode, 0);
    // The hint flag stays: a hint taken before a reset still counts.
    intMoves.restart();
}

void Game::SetMode() {
    display_.showModeDiagram(settings_.mode);
    display_.setCaption(Caption::Mode, ModeCaption(settings_.mode));
}

void Game::SetLevel() {
    display_.setCaption(Caption::Level, LevelCaption(settings_.level));
}

void Game::SetTileSet() {
    display_.showTileSet(settings_.tileSet);
}

void Game::SetTileNumbers() {
    for (int tile = 1; tile <= kTileCount; ++tile)
        display_.setTileNumberCaption(tile, NumberText(tile));
}

void Game::setCurrentValue(PuzzleValue value) {
    currentValue_ = value;
    display_.setCaption(Caption::PuzState, NumberText(value));
}

void Game::setMoveCount(std::int64_t moves) {
    moveCount_ = moves;
    display_.setCaption(Caption::Moves, CounterText(moves));
}

}  // namespace tenebrix
