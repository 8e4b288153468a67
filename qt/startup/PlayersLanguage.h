// SPDX-License-Identifier: GPL-3.0-or-later
// The player's language, chosen once at start before any text is shown:
// the catalogue gettext's variables (LANGUAGE, LC_ALL, LC_MESSAGES, LANG)
// lead to, from the build tree's catalogues when the game runs where it was
// built, else from the installed ones.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace tenebrix::startup {

using Environment = std::function<std::optional<std::string>(const char*)>;

// The process's own environment.
std::optional<std::string> processEnvironment(const char* name);

// The folder of the running program: where /proc/self/exe points, else
// `argv0`'s folder; empty when neither says.
std::filesystem::path programFolder(const char* argv0);

// Loads the catalogue for the player's languages and makes every lookup use
// it; returns its language as its folder names it ("de", "pt_BR"), or nothing when the game speaks
// English: no language asked for, English asked for, no catalogue for it, or a catalogue that
// cannot be read or is damaged.
std::optional<std::string> loadPlayersCatalogue(const Environment& environment,
                                                const std::filesystem::path& programFolder);

}  // namespace tenebrix::startup
