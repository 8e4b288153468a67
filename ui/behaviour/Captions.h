// SPDX-License-Identifier: GPL-3.0-or-later
// The texts a front end shows for the control tables' rows, the menus and
// the game's own small words, in the player's language: every front end
// asks here instead of showing a table's English.
#pragma once

#include <string>

#include "Control.h"
#include "MainMenuForm.h"
#include "Message.h"

namespace tenebrix::ui {

// A control's caption, '&' and all: a button's, a frame's, a label's.
std::string captionOf(const forms::Control& control);
// What a screen reader calls a control whose caption does not say (a scroll bar).
std::string accessibleNameOf(const forms::Control& control);
std::string captionOf(const forms::Menu& menu);
std::string captionOf(const forms::MenuItem& item);
// How the menu writes an item's shortcut ("Ctrl+H"); empty for none.
std::string shortcutOf(const forms::MenuItem& item);
// What a screen reader says for a board tile: "Tile 7, lit".
std::string tileName(int tile, bool lit);
// The caption under the tile set's samples.
std::string tileSetCaption(int tileSet);
// A message box's button.
std::string answerCaption(MessageAnswer answer);
// The title of a window that has one of its own (the About box).
std::string windowTitle(const char* caption);

}  // namespace tenebrix::ui
