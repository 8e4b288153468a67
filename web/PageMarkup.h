// SPDX-License-Identifier: GPL-3.0-or-later
// The game's page written from the window descriptions: every control at its
// place, under its own name, with its caption, access key and role.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "Control.h"

namespace tenebrix::web {

// The whole page, index.html.
std::string gamePage();

// Its parts, each one window of the game.
std::string splashMarkup();
std::string mainWindowMarkup();
std::string menuBarMarkup();
std::string aboutBoxMarkup();
std::string messageBoxMarkup();
// The fonts of the windows, as CSS rules.
std::string fontRules();

// The controls of a window's `table` that lie in `container` (a frame's
// name; empty for the window itself), those of a frame inside it.
std::string controlsMarkup(std::span<const forms::Control> table, std::string_view container = "");

}  // namespace tenebrix::web
