// SPDX-License-Identifier: GPL-3.0-or-later
// The page in the player's language. Its markup is written in English when
// the game is built; once the game has its catalogue, every text of every
// window is written again through it: captions with their access keys,
// menus and their shortcuts, what a screen reader says, the message box's
// buttons, the notices, the document's language and title.
#pragma once

#include <string>
#include <string_view>

namespace tenebrix::web {

class Page;

// Writes every text of the page from the catalogue in use.
void showPageTexts(Page& page);

// A catalogue's name as a BCP 47 tag for the document: "pt_BR" -> "pt-BR",
// "en@pseudo" -> "en"; "en" for none.
std::string documentLanguage(std::string_view catalogueName);

// The file the page fetches for the first of `preferred` (the browser's
// languages, best first, separated by commas: "de-AT,de,en") that one of
// `available` (the catalogues the site carries, separated by commas)
// serves: "locale/de.mo"; empty for English.
std::string cataloguePath(std::string_view preferred, std::string_view available);

// The help page in the catalogue's language when the site has one
// (`translated`: its languages, separated by commas), else `english`:
// "Tenebrix.html" -> "Tenebrix.de.html".
std::string helpPageFor(std::string_view catalogueName, std::string_view translated,
                        const std::string& english);

}  // namespace tenebrix::web
