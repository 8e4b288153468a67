// SPDX-License-Identifier: GPL-3.0-or-later
// The menu commands that belong to the game itself, the same in every front
// end: each front end runs them here and handles only its window's own.
#pragma once

#include "Game.h"
#include "MainMenuForm.h"

namespace tenebrix::forms {

// Runs `command` on the game when it is one of the game's; false when it is
// the window's own (Exit, Status Bar, help, About) or a separator.
inline bool runGameCommand(Game& game, MenuCommand command) {
    switch (command) {
        case MenuCommand::Hint:
            game.cmdHint_Click();
            return true;
        case MenuCommand::NewPuzzle:
            game.cmdNewPuzzle_Click();
            return true;
        case MenuCommand::ResetPuzzle:
            game.cmdReset_Click();
            return true;
        case MenuCommand::ViewTileNumbers:
            game.mnuTileNumbers_Click();
            return true;
        default:
            return false;
    }
}

}  // namespace tenebrix::forms
