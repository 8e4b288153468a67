// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of the game that hold between any two commands, whatever came
// before. Each check returns the first rule broken, or an empty string.
#pragma once

#include <string>

#include "Board.h"
#include "Message.h"

namespace tenebrix {
class Game;
}

namespace tenebrix::testing {

class FakeDisplay;

// The board is the exclusive-or of the moves of the current mode at every
// tile still to go; values, count and settings stay in range.
std::string brokenGameRule(const Game& game);
// The display shows what the game holds: board, counter, captions, mode
// diagram, tile set, and the tile numbers with their menu mark.
std::string brokenDisplayRule(const Game& game, const FakeDisplay& display);
// Checked while a message is open: a win only on a dark board after a move,
// a hint only naming a tile still to go.
std::string brokenMessageRule(const Game& game, const Message& message);

}  // namespace tenebrix::testing
