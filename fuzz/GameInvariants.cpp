// SPDX-License-Identifier: GPL-3.0-or-later
// The rules that hold between any two commands.
#include "GameInvariants.h"

#include <algorithm>
#include <charconv>
#include <string>

#include "FuzzCheck.h"
#include "Game.h"
#include "InputDisplay.h"
#include "PatternTable.h"
#include "Settings.h"

namespace tenebrix::fuzz {

namespace {

bool isDigits(const std::string& text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A hidden value caption read back as the window would: with or without its
// leading blank. Anything else reads as -1, which no puzzle value is.
PuzzleValue readValueCaption(const std::string& text) {
    const std::string digits = text.starts_with(' ') ? text.substr(1) : text;
    PuzzleValue value = -1;
    if (!isDigits(digits)) return -1;
    const auto end = digits.data() + digits.size();
    const auto [ptr, error] = std::from_chars(digits.data(), end, value);
    return error == std::errc() && ptr == end ? value : -1;
}

bool inRange(int value, int low, int high) {
    return value >= low && value <= high;
}

void checkBoard(const Game& game, const InputDisplay& display) {
    const PuzzleValue current = game.currentValue();
    require(inRange(current, 0, kAllLit), "the current value uses tiles 1..25 only");
    require(inRange(game.startValue(), 0, kAllLit), "the start value uses tiles 1..25 only");
    require(current == valueOfMovesToGo(game, game.settings().mode),
            "the current value is the exclusive-or of the moves to go in the current mode");
    require(display.tiles == tileStates(current), "the board shown is the current value");
    require(readValueCaption(display.caption(Caption::PuzState)) == current,
            "the hidden current-value caption holds the current value");
    require(readValueCaption(display.caption(Caption::PuzValue)) == game.startValue(),
            "the hidden start-value caption holds the start value");
}

void checkCounterAndSettings(const Game& game, const InputDisplay& display) {
    const std::string counter = display.caption(Caption::Moves);
    require(game.moveCount() >= 0, "the move count is never negative");
    require(isDigits(counter) && counter == std::to_string(game.moveCount()),
            "the move counter shows the count in bare digits");
    const Settings& settings = game.settings();
    require(inRange(settings.mode, kMinMode, kMaxMode), "the mode is 1..9");
    require(inRange(settings.level, kMinLevel, kMaxLevel), "the level is 2..20");
    require(inRange(settings.tileSet, kMinTileSet, kMaxTileSet), "the tile set is 1..8");
    require(display.modeDiagram == settings.mode, "the mode diagram shown is the mode's");
    require(display.tileSet == settings.tileSet, "the tile set shown is the one chosen");
}

void checkPreviewAndNumbers(const Game& game, const InputDisplay& display) {
    for (int tile = 1; tile <= kTileCount; ++tile) {
        require(display.backColours[tile - 1] == game.preview().backColour(tile),
                "every tile shows the back colour the preview gave it");
    }
    require(display.tileNumbersVisible == game.tileNumbersShown(),
            "the tile numbers show exactly while the game says so");
    require(display.tileNumbersChecked == game.tileNumbersShown(),
            "the Tile Numbers check mark agrees with the numbers shown");
}

}  // namespace

PuzzleValue valueOfMovesToGo(const Game& game, int mode) {
    PuzzleValue value = kSolvedBoard;
    for (int tile = 1; tile <= kTileCount; ++tile)
        if (game.moves().moveToGo(tile)) value ^= moveMask(mode, tile);
    return value;
}

int puzzleMoveCount(const Game& game) {
    int count = 0;
    for (int tile = 1; tile <= kTileCount; ++tile) count += game.moves().puzzleMove(tile) ? 1 : 0;
    return count;
}

bool movesToGoArePuzzleMoves(const Game& game) {
    for (int tile = 1; tile <= kTileCount; ++tile)
        if (game.moves().moveToGo(tile) != game.moves().puzzleMove(tile)) return false;
    return true;
}

void checkGameInvariants(const Game& game, const InputDisplay& display) {
    checkBoard(game, display);
    checkCounterAndSettings(game, display);
    checkPreviewAndNumbers(game, display);
}

}  // namespace tenebrix::fuzz
