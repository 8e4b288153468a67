// SPDX-License-Identifier: GPL-3.0-or-later
// The game fuzzing session: decoding commands and checking each one's effect.
#include "EngineSession.h"

#include <algorithm>

#include "FuzzCheck.h"
#include "GameInvariants.h"
#include "PatternTable.h"

namespace tenebrix::fuzz {

namespace {
// Argument ranges reach past every edge: no tile, tile 0 and past 25, mode
// 0 and past 9, levels below 2 and past 25, tile sets 0 and past 8.
constexpr int kLowTile = -5, kHighTile = 30;
constexpr int kLowMode = 0, kHighMode = 12;
constexpr int kLowLevel = -3, kHighLevel = 40;
constexpr int kLowTileSet = 0, kHighTileSet = 10;
// The repeat command presses a tile twice, up to eight times over. A game
// past the 32767 moves a 16-bit count could hold takes 32768 clicks, as much
// time as thousands of sessions; the engine's own tests play that one.
constexpr int kMostPairs = 8;

enum Command : std::uint8_t {
    kFormLoad,
    kClick,
    kNewPuzzle,
    kReset,
    kHint,
    kMode,
    kLevel,
    kTileSet,
    kTileNumbers,
    kPointerOnTile,
    kPointerOnLabel,
    kHideMove,
    kPressMoveToGo,
    kRepeatClicks,
    kPressByProcedures,
    kSetMoveTwice,
    kFlipTileTwice,
    kCreatePuzzle,
    kCreateInOtherMode,
    kLoadTiles,
    kResetPuzzle,
    kShowMove,
    kCommandCount
};
}  // namespace

EngineSession::EngineSession(std::span<const std::uint8_t> input)
    : input_(input), display_(input_), random_(input_), game_(display_, random_) {
    display_.watch(game_);
}

void EngineSession::run() {
    formLoad();
    while (!input_.empty()) {
        playOneCommand();
        checkGameInvariants(game_, display_);
    }
}

// Every command reads both argument bytes, used or not, so that a change to
// one command's argument never shifts the commands after it.
void EngineSession::playOneCommand() {
    const int command = input_.byte() % kCommandCount;
    const int first = input_.byte();
    const int second = input_.byte();
    if (command < kPressByProcedures) {
        playPlayerCommand(command, first, second);
    } else {
        playProcedures(command, first, second);
    }
}

void EngineSession::playPlayerCommand(int command, int first, int second) {
    const auto in = &InputBytes::fit;
    const int tile = in(first, kLowTile, kHighTile);
    switch (command) {
        case kFormLoad:
            return formLoad();
        case kClick:
            return click(tile);
        case kNewPuzzle:
            return newPuzzle();
        case kReset:
            return reset(false);
        case kHint:
            return hint();
        case kMode:
            return changeMode(in(first, kLowMode, kHighMode));
        case kLevel:
            return changeLevel(in(first, kLowLevel, kHighLevel));
        case kTileSet:
            return changeTileSet(in(first, kLowTileSet, kHighTileSet));
        case kTileNumbers:
            return toggleTileNumbers();
        case kPointerOnTile:
            return pointerOnTile(tile);
        case kPointerOnLabel:
            return pointerOnLabel();
        case kHideMove:
            return hideMove();
        case kPressMoveToGo:
            return pressMoveToGo(first);
        case kRepeatClicks:
            return repeatClicks(in(first, 1, kTileCount), 1 + second % kMostPairs);
    }
}

void EngineSession::playProcedures(int command, int first, int second) {
    const auto in = &InputBytes::fit;
    const int tile = in(first, kLowTile, kHighTile);
    const int mode = in(second, kLowMode, kHighMode);
    switch (command) {
        case kPressByProcedures:
            return pressByProcedures(in(first, 1, kTileCount), second % 2 == 1);
        case kSetMoveTwice:
            return setMoveTwice(mode, tile);
        case kFlipTileTwice:
            return flipTileTwice(tile);
        case kCreatePuzzle:
            return createPuzzle(in(first, kLowLevel, kHighLevel));
        case kCreateInOtherMode:
            return createPuzzleInOtherMode(mode, in(first, kLowLevel, kHighLevel));
        case kLoadTiles:
            return loadTiles(static_cast<PuzzleValue>(input_.word()));
        case kResetPuzzle:
            return reset(true);
        case kShowMove:
            return showMove(mode, tile);
    }
}

EngineSession::Before EngineSession::before() const {
    Before was{game_.currentValue(),
               game_.startValue(),
               game_.moveCount(),
               game_.hintUsed(),
               game_.settings(),
               display_.puzzlesMade,
               display_.winsAnnounced,
               display_.hintsGiven,
               display_.paints,
               game_.preview().shownTile(),
               game_.tileNumbersShown(),
               {},
               {}};
    for (int tile = 1; tile <= kTileCount; ++tile) {
        was.movesToGo[tile - 1] = game_.moves().moveToGo(tile);
        was.colours[tile - 1] = game_.preview().backColour(tile);
    }
    return was;
}

void EngineSession::checkNewPuzzle(const Before& was, int presses) const {
    require(display_.puzzlesMade > was.puzzles, "the command makes a new puzzle");
    require(puzzleMoveCount(game_) == std::clamp(presses, 0, Game::kMaxPuzzleMoves),
            "a puzzle is made of as many distinct presses as asked, at most 25");
    require(movesToGoArePuzzleMoves(game_), "a new puzzle's moves to go are its puzzle moves");
    require(game_.currentValue() == game_.startValue(), "a new puzzle is on the board as made");
    require(game_.moveCount() == 0 && !game_.hintUsed(), "a new puzzle starts clean");
    require(game_.preview().shownTile() == 0, "a new puzzle forgets the previewed tile");
}

void EngineSession::formLoad() {
    const Before was = before();
    game_.Form_Load();
    checkNewPuzzle(was, game_.settings().level);
    for (int tile = 1; tile <= kTileCount; ++tile) {
        require(display_.tileNumberCaptions[tile - 1] == " " + std::to_string(tile),
                "each tile number label names its tile");
    }
    checkGameInvariants(game_, display_);
}

void EngineSession::click(int tile) {
    const Before was = before();
    game_.picTile_Click(tile);
    if (!isTile(tile)) {
        require(game_.currentValue() == was.current && game_.moveCount() == was.moves &&
                    display_.paints == was.paints,
                "a click on no board tile changes nothing");
        return;
    }
    const PuzzleValue expected = was.current ^ moveMask(was.settings.mode, tile);
    if (expected == kSolvedBoard) return checkWin(was);
    require(display_.winsAnnounced == was.wins, "no win while a tile stays lit");
    require(game_.currentValue() == expected, "a click plays the mode's move at the tile");
    require(game_.moveCount() == was.moves + 1, "a click counts one move");
    require(game_.moves().moveToGo(tile) != was.movesToGo[tile - 1],
            "a click toggles the tile's move to go");
    require(display_.puzzlesMade == was.puzzles, "a move that does not win keeps the puzzle");
}

void EngineSession::checkWin(const Before& was) const {
    require(display_.winsAnnounced == was.wins + 1, "a click that darkens the board wins, once");
    const Message& message = display_.messages.back();
    const bool offered = message.buttons == MessageButtons::YesNo;
    const std::int64_t moves = was.moves + 1;
    require(message.text.find(" move puzzle in " + std::to_string(moves) + " moves.") !=
                std::string::npos,
            "the win message counts the moves made");
    require(offered == (was.settings.level < kMaxLevel && moves == was.settings.level && !was.hint),
            "the next level is offered for the shortest win without a hint, below the top");
    const bool levelUp = offered && display_.lastAnswer == MessageAnswer::Yes;
    require(game_.settings().level == was.settings.level + (levelUp ? 1 : 0),
            "the level goes up only when an offer is accepted");
    if (levelUp)
        require(display_.levelSetting == game_.settings().level, "the level control follows");
    checkNewPuzzle(was, game_.settings().level);
}

void EngineSession::newPuzzle() {
    const Before was = before();
    game_.cmdNewPuzzle_Click();
    checkNewPuzzle(was, game_.settings().level);
}

void EngineSession::reset(bool byProcedure) {
    const Before was = before();
    if (byProcedure) {
        game_.ResetPuzzle();
    } else {
        game_.cmdReset_Click();
    }
    require(game_.currentValue() == was.start && game_.startValue() == was.start,
            "a reset puts the puzzle back as made");
    require(movesToGoArePuzzleMoves(game_), "a reset restores the moves to go");
    require(game_.moveCount() == 0, "a reset sets the counter to 0");
    require(game_.hintUsed() == was.hint, "a reset keeps the hint flag");
    require(display_.puzzlesMade == was.puzzles, "a reset makes no puzzle");
    require(game_.preview().shownTile() == 0, "a reset forgets the previewed tile");
}

void EngineSession::hint() {
    const Before was = before();
    const bool anyToGo = std::ranges::any_of(was.movesToGo, [](bool toGo) { return toGo; });
    game_.cmdHint_Click();
    require(game_.currentValue() == was.current && game_.moveCount() == was.moves,
            "a hint changes neither the board nor the counter");
    for (int tile = 1; tile <= kTileCount; ++tile)
        require(game_.moves().moveToGo(tile) == was.movesToGo[tile - 1], "a hint plays no move");
    if (anyToGo) {
        require(display_.hintsGiven == was.hints + 1, "a hint names one tile");
        require(game_.hintUsed() && game_.tileNumbersShown(),
                "a hint is remembered and numbers show");
    } else {
        require(display_.hintsGiven == was.hints && game_.hintUsed() == was.hint,
                "with nothing to go a hint does nothing");
    }
}

void EngineSession::changeMode(int mode) {
    const Before was = before();
    game_.ScrollMode_Change(mode);
    require(game_.settings().mode == std::clamp(mode, kMinMode, kMaxMode),
            "the mode is set, kept in range");
    require(game_.settings().level == was.settings.level, "a mode change keeps the level");
    checkNewPuzzle(was, game_.settings().level);
}

void EngineSession::changeLevel(int level) {
    const Before was = before();
    game_.ScrollLevel_Change(level);
    require(game_.settings().level == std::clamp(level, kMinLevel, kMaxLevel),
            "the level is set, kept in range");
    require(game_.settings().mode == was.settings.mode, "a level change keeps the mode");
    checkNewPuzzle(was, game_.settings().level);
}

void EngineSession::changeTileSet(int tileSet) {
    const Before was = before();
    game_.ScrollTileSet_Change(tileSet);
    require(game_.settings().tileSet == std::clamp(tileSet, kMinTileSet, kMaxTileSet),
            "the tile set is set, kept in range");
    require(display_.paints > was.paints, "a tile set change repaints the board");
    require(game_.currentValue() == was.current && display_.puzzlesMade == was.puzzles,
            "a tile set change keeps the puzzle");
}

void EngineSession::toggleTileNumbers() {
    const Before was = before();
    game_.mnuTileNumbers_Click();
    require(game_.tileNumbersShown() != was.numbers, "View > Tile Numbers toggles them");
}

void EngineSession::pointerOnTile(int tile) {
    const Before was = before();
    game_.picTile_MouseMove(tile);
    if (!isTile(tile)) {
        require(game_.preview().shownTile() == was.shownTile, "no tile, no preview");
        return;
    }
    require(game_.preview().shownTile() == tile,
            "the preview remembers the tile under the pointer");
    // Staying on the tile previewed last draws nothing; its marks are there
    // unless the harness drew another mode's at it (see showMove).
    if (tile == was.shownTile) return;
    const PuzzleValue mask = moveMask(game_.settings().mode, tile);
    for (int marked = 1; marked <= kTileCount; ++marked) {
        if (isLit(mask, marked))
            require(game_.preview().isMarked(marked), "the move's tiles are marked");
    }
}

void EngineSession::pointerOnLabel() {
    const Before was = before();
    game_.lblTileNumbers_MouseMove();
    require(game_.preview().shownTile() == 0, "over a label the pointer is on no tile");
    for (int tile = 1; tile <= kTileCount; ++tile)
        require(game_.preview().backColour(tile) == was.colours[tile - 1],
                "a label keeps the marks");
}

void EngineSession::hideMove() {
    game_.HideMove();
    require(game_.preview().shownTile() == 0, "hiding the preview forgets the tile");
    for (int tile = 1; tile <= kTileCount; ++tile)
        require(!game_.preview().isMarked(tile), "hiding the preview takes every mark off");
}

// Presses a tile still to go: wins, level-ups and their offers come quickly
// this way, where random clicks would seldom find them.
void EngineSession::pressMoveToGo(int choice) {
    const int count = game_.moves().movesToGoCount();
    click(count == 0 ? choice % kTileCount + 1 : game_.moves().nthMoveToGo(choice % count));
}

void EngineSession::repeatClicks(int tile, int pairs) {
    const Before was = before();
    for (int click = 0; click < 2 * pairs; ++click) game_.picTile_Click(tile);
    if (display_.winsAnnounced != was.wins) return;
    require(game_.currentValue() == was.current, "a tile pressed twice is as before");
    require(game_.moveCount() == was.moves + 2 * pairs, "every click counts");
}

}  // namespace tenebrix::fuzz
