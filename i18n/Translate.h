// SPDX-License-Identifier: GPL-3.0-or-later
// The game's texts in the player's language. Every text a player sees is
// written in English in the sources, marked for the catalogues' template
// (N_ and NC_ where it is only named, tr and trc where it is looked up),
// and looked up here in the one catalogue the front end chose at start.
// English needs no catalogue: without one every text is its own.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "Catalogue.h"

// Marks a text for the template where it is only named (a table, a
// constant); it is looked up where it is shown.
#define N_(text) text
#define NC_(context, text) text

namespace tenebrix::i18n {

// The catalogue every lookup uses from now on; the empty one for English.
void useCatalogue(Catalogue catalogue);
const Catalogue& catalogue();

std::string tr(std::string_view msgid);
std::string trc(std::string_view context, std::string_view msgid);
// A text with a number: the form the language uses for `count`.
std::string trn(std::string_view singular, std::string_view plural, unsigned long count);

// `pattern` with %1 .. %9 replaced by `arguments` in order; any other '%'
// stays as it is, and so does a %N with no argument.
std::string format(std::string_view pattern, std::initializer_list<std::string_view> arguments);

// A caption without its access key marker: "&New Puzzle" -> "New Puzzle",
// "Fish && Chips" -> "Fish & Chips"; "新しいパズル(&N)" -> "新しいパズル".
std::string withoutAccessKey(std::string_view caption);

}  // namespace tenebrix::i18n
