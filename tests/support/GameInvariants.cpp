// SPDX-License-Identifier: GPL-3.0-or-later
// The rules that hold between any two commands of the game.
#include "GameInvariants.h"

#include <charconv>

#include "FakeDisplay.h"
#include "Game.h"
#include "PatternTable.h"

namespace tenebrix::testing {

namespace {

bool inRange(std::int64_t value, std::int64_t low, std::int64_t high) {
    return value >= low && value <= high;
}

// A number caption read back as the window reads it: digits after at most
// one leading blank. Anything else reads as -1, which no value here is.
std::int64_t readNumber(const std::string& text) {
    const std::size_t start = text.starts_with(' ') ? 1 : 0;
    std::int64_t value = -1;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data() + start, end, value);
    const bool digits = start < text.size() && text[start] != '-' && text[start] != '+';
    return error == std::errc() && stop == end && digits ? value : -1;
}

}  // namespace

PuzzleValue valueOfMovesToGo(const Game& game) {
    PuzzleValue value = kSolvedBoard;
    for (int tile = 1; tile <= kTileCount; ++tile)
        if (game.moves().moveToGo(tile)) value ^= moveMask(game.settings().mode, tile);
    return value;
}

std::string brokenGameRule(const Game& game) {
    const Settings& settings = game.settings();
    if (game.currentValue() != valueOfMovesToGo(game))
        return "the board is the exclusive-or of the moves to go";
    if (!inRange(game.currentValue(), 0, kAllLit) || !inRange(game.startValue(), 0, kAllLit))
        return "the board holds tiles 1..25 only";
    if (game.moveCount() < 0) return "the move count is never negative";
    if (!isMode(settings.mode) || !inRange(settings.level, kMinLevel, kMaxLevel) ||
        !isTileSet(settings.tileSet))
        return "mode, level and tile set stay in range";
    return {};
}

std::string brokenDisplayRule(const Game& game, const FakeDisplay& display) {
    const Settings& settings = game.settings();
    if (display.tiles != tileStates(game.currentValue())) return "the board shown is the board";
    if (display.caption(Caption::Moves) != std::to_string(game.moveCount()))
        return "the counter shows the move count in bare digits";
    if (readNumber(display.caption(Caption::PuzState)) != game.currentValue() ||
        readNumber(display.caption(Caption::PuzValue)) != game.startValue())
        return "the hidden labels hold the current and the start value";
    if (display.caption(Caption::Mode) != "Mode  " + std::to_string(settings.mode) ||
        display.caption(Caption::Level) != "Level:  " + std::to_string(settings.level))
        return "the mode and level captions name the settings";
    if (display.modeDiagram != settings.mode || display.tileSet != settings.tileSet)
        return "the mode diagram and tile set shown are the ones chosen";
    if (display.tileNumbersVisible != game.tileNumbersShown() ||
        display.tileNumbersChecked != game.tileNumbersShown())
        return "the tile numbers and their menu mark agree";
    return {};
}

std::string brokenMessageRule(const Game& game, const Message& message) {
    if (message.title == "Congratulations" &&
        (game.currentValue() != kSolvedBoard || game.moveCount() < 1))
        return "a win is announced only on a dark board, after a move";
    constexpr std::string_view kHint = "Why don't you try tile number:  ";
    if (message.title == "Hint") {
        const std::int64_t tile =
            message.text.starts_with(kHint) ? readNumber(message.text.substr(kHint.size())) : -1;
        if (!inRange(tile, 1, kTileCount) || !game.moves().moveToGo(static_cast<int>(tile)))
            return "a hint names a tile still to go";
    }
    return {};
}

}  // namespace tenebrix::testing
