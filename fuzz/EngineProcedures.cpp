// SPDX-License-Identifier: GPL-3.0-or-later
// The game fuzzing session, part two: the procedures the commands are made
// of, called alone or in the steps a command takes, each checked against the
// pattern table.
#include <algorithm>

#include "EngineSession.h"
#include "FuzzCheck.h"
#include "GameInvariants.h"
#include "PatternTable.h"

namespace tenebrix::fuzz {

// A move played the way a click plays it, but without counting it.
void EngineSession::pressByProcedures(int tile, bool oneTileAtATime) {
    const Before was = before();
    const PuzzleValue mask = moveMask(game_.settings().mode, tile);
    if (oneTileAtATime) {
        for (int flipped = 1; flipped <= kTileCount; ++flipped)
            if (isLit(mask, flipped)) game_.FlipTile(flipped);
    } else {
        game_.SetMove(game_.settings().mode, tile);
    }
    game_.FlipMove(tile);
    game_.LoadTiles(game_.currentValue());
    require(game_.currentValue() == (was.current ^ mask), "a move flips exactly its mask");
    require(game_.moves().moveToGo(tile) != was.movesToGo[tile - 1], "FlipMove toggles the tile");
    require(game_.moveCount() == was.moves && display_.winsAnnounced == was.wins,
            "the procedures neither count nor judge a move");
}

void EngineSession::setMoveTwice(int mode, int tile) {
    const PuzzleValue was = game_.currentValue();
    game_.SetMove(mode, tile);
    // The mask is empty for a mode or tile out of range: then nothing happens.
    require(game_.currentValue() == (was ^ moveMask(mode, tile)), "SetMove flips the move's mask");
    game_.SetMove(mode, tile);
    require(game_.currentValue() == was, "the same move twice undoes itself");
}

void EngineSession::flipTileTwice(int tile) {
    const PuzzleValue was = game_.currentValue();
    game_.FlipTile(tile);
    const PuzzleValue bit = isTile(tile) ? tileBit(tile) : 0;
    require(game_.currentValue() == (was ^ bit), "FlipTile flips one board tile, or none");
    game_.FlipTile(tile);
    require(game_.currentValue() == was, "a tile flipped twice is as before");
}

void EngineSession::createPuzzle(int level) {
    const Before was = before();
    game_.CreatePuzzle(game_.settings().mode, level);
    checkNewPuzzle(was, level);
    if (level <= 0) require(game_.startValue() == kSolvedBoard, "no presses leave the board dark");
}

// The procedure plays its moves in the mode it is given; play goes back to
// the mode set afterwards, as a mode change would.
void EngineSession::createPuzzleInOtherMode(int mode, int level) {
    const Before was = before();
    game_.CreatePuzzle(mode, level);
    require(game_.currentValue() == valueOfMovesToGo(game_, mode),
            "a puzzle is the exclusive-or of its moves in the mode it was made in");
    require(puzzleMoveCount(game_) == std::clamp(level, 0, Game::kMaxPuzzleMoves),
            "a puzzle in any mode has as many presses as asked");
    game_.CreatePuzzle(was.settings.mode, was.settings.level);
    checkNewPuzzle(was, was.settings.level);
}

void EngineSession::loadTiles(PuzzleValue value) {
    game_.LoadTiles(value);
    require(display_.tiles == tileStates(value), "LoadTiles paints the value's low 25 bits");
    game_.LoadTiles(game_.currentValue());
}

void EngineSession::showMove(int mode, int tile) {
    const Before was = before();
    game_.ShowMove(mode, tile);
    const PuzzleValue mask = tile == was.shownTile ? 0 : moveMask(mode, tile);
    for (int marked = 1; marked <= kTileCount; ++marked) {
        if (isLit(mask, marked)) {
            require(game_.preview().isMarked(marked), "a preview marks its move's tiles");
        } else {
            require(game_.preview().backColour(marked) == was.colours[marked - 1],
                    "a preview touches no other tile");
        }
    }
}

}  // namespace tenebrix::fuzz
