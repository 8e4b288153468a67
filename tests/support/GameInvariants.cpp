// SPDX-License-Identifier: GPL-3.0-or-later
// The rules that hold between any two commands of the game.
#include "GameInvariants.h"

#include <charconv>

#include "FakeDisplay.h"
#include "Game.h"
#include "PatternTable.h"

namespace tenebrix::testing {

namespace {

// A number caption read back as the window reads it: digits after at most
// one leading blank. Anything else reads as -1, which no value here is.
std::int64_t readNumber(std::string_view text) {
    if (text.starts_with(' ')) text.remove_prefix(1);
    std::int64_t value = -1;
    const auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    const bool whole = error == std::errc() && stop == text.data() + text.size();
    return whole && !text.starts_with('-') ? value : -1;
}

}  // namespace

std::string brokenGameRule(const Game& game) {
    const Settings& settings = game.settings();
    PuzzleValue movesToGo = kSolvedBoard;
    for (int tile = 1; tile <= kTileCount; ++tile)
        if (game.moves().moveToGo(tile)) movesToGo ^= moveMask(settings.mode, tile);
    if (game.currentValue() != movesToGo) return "the board is the exclusive-or of the moves to go";
    if (((game.currentValue() | game.startValue()) & ~kAllLit) != 0)
        return "the board holds tiles 1..25 only";
    if (game.moveCount() < 0 || !isMode(settings.mode) || !isTileSet(settings.tileSet) ||
        settings.level < kMinLevel || settings.level > kMaxLevel)
        return "count, mode, level and tile set stay in range";
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
    bool namesAMoveToGo = false;
    for (int tile = 1; tile <= kTileCount; ++tile)
        namesAMoveToGo |= game.moves().moveToGo(tile) &&
                          message.text == "Why don't you try tile number:  " + std::to_string(tile);
    if (message.title == "Hint" && !namesAMoveToGo) return "a hint names a tile still to go";
    return {};
}

}  // namespace tenebrix::testing
