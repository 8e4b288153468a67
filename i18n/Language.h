// SPDX-License-Identifier: GPL-3.0-or-later
// Which of the game's catalogues speaks the player's language: the player's
// languages in order of preference, as the system gives them, against the
// catalogues the game has. English (no catalogue) when none fits, or when
// the player asks for English, or for no language at all ("C", "POSIX").
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tenebrix::i18n {

// "de-DE" (a browser's or Windows' way) or "de_DE.UTF-8@euro" (a POSIX
// locale) -> "de_DE@euro": language, territory and modifier, the encoding dropped.
std::string normalisedLanguage(std::string_view name);

// The catalogue to use, from `available` ("de", "pt_BR", "en@pseudo"), for
// the languages in `preferred`, best first; nullopt for English. Each
// preference tries, in turn: itself, without its modifier, its language
// alone (with and without the modifier).
std::optional<std::string> chooseCatalogue(std::span<const std::string> preferred,
                                           std::span<const std::string> available);

// The catalogue names one preference may be served by, best first: itself,
// without its modifier, its language alone with and without the modifier
// ("de_AT@euro" -> de_AT@euro, de_AT, de@euro, de), normalised, no name twice.
std::vector<std::string> catalogueCandidates(std::string_view preferred);

// The player's languages as gettext finds them on a POSIX system: from
// LANGUAGE (a list, "de:fr"), unless the locale in use for messages
// (LC_ALL, else LC_MESSAGES, else LANG) is "C" or "POSIX" or unset, in
// which case there is none.
std::vector<std::string> posixPreferredLanguages(
    const std::function<std::optional<std::string>(const char*)>& environment);

}  // namespace tenebrix::i18n
