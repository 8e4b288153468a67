// SPDX-License-Identifier: GPL-3.0-or-later
// Which compiled catalogue a program on a POSIX system loads: the player's
// languages as gettext reads them from the environment (LANGUAGE, LC_ALL,
// LC_MESSAGES, LANG), against the catalogues found in a list of folders,
// each laid out as gettext's locale folders are (LANG/LC_MESSAGES/DOMAIN.mo).
// Only the few names the player's languages lead to are looked for, so the
// start-up costs a handful of file look-ups however many languages the
// system has.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tenebrix::i18n {

// The game's catalogues' name.
inline constexpr std::string_view kDomain = "tenebrix";

// The catalogue to load, from the first of `folders` that has it; nullopt
// for English (no language asked for, English asked for first, or no
// catalogue for any of the player's languages).
std::optional<std::filesystem::path> findCatalogueFile(
    const std::function<std::optional<std::string>(const char*)>& environment,
    std::span<const std::filesystem::path> folders, std::string_view domain = kDomain);

// The folders to look in for a program in `programFolder`: when the game
// runs from where it was built, the build tree's `locale` folder (the build
// tree is the nearest folder above the program, up to three levels, that
// holds CMakeCache.txt); then `installedFolder`, the installed game's
// share/locale, relative to the program's folder or absolute.
std::vector<std::filesystem::path> catalogueFolders(const std::filesystem::path& programFolder,
                                                    const std::filesystem::path& installedFolder);

}  // namespace tenebrix::i18n
