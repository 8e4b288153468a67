// SPDX-License-Identifier: GPL-3.0-or-later
// The rules that hold between any two commands, whatever came before.
#pragma once

#include "Board.h"

namespace tenebrix {
class Game;
}

namespace tenebrix::fuzz {

class InputDisplay;

// Aborts, naming the rule, when one does not hold.
void checkGameInvariants(const Game& game, const InputDisplay& display);

// The board the move record promises: the exclusive-or of the masks of
// every move still to go, in `mode`.
PuzzleValue valueOfMovesToGo(const Game& game, int mode);

int puzzleMoveCount(const Game& game);
bool movesToGoArePuzzleMoves(const Game& game);

}  // namespace tenebrix::fuzz
