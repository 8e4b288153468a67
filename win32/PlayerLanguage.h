// SPDX-License-Identifier: GPL-3.0-or-later
// The player's language on Windows: the catalogues the program carries in
// itself, the languages the player chose for Windows' own texts, and the
// help page beside the program in the language chosen.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tenebrix::win32 {

// The languages of the catalogues carried in `module` ("de", "pt_BR",
// "en@pseudo"), in the order they are stored; none when it carries none.
std::vector<std::string> carriedLanguages(HMODULE module);

// The compiled catalogue of `language` carried in `module`; empty when it
// carries none for that language.
std::span<const std::uint8_t> carriedCatalogue(HMODULE module, std::string_view language);

// The display languages the player chose, best first ("de-DE", "en-US").
std::vector<std::string> systemDisplayLanguages();

// The player's languages, best first: the list in LANGUAGE ("de:fr") when
// it is set, which is how gettext lets a translator or a test ask for a
// language on Windows too; else `displayLanguages`.
std::vector<std::string> preferredLanguages(
    const std::function<std::optional<std::string>(const char*)>& environment,
    std::vector<std::string> displayLanguages);

// The process's own environment, in UTF-8.
std::optional<std::string> environmentVariable(const char* name);

// Chooses the catalogue of `module` for the player's languages and looks
// every text up in it from now on; returns its language, or nothing for
// English. To be called before any window is made.
std::optional<std::string> usePlayerLanguage(HMODULE module);

// The help page for `language` in the program's folder `folder` (ending
// in a backslash): LANG\Tenebrix.hlp when it is there, else the English
// `englishName` beside the program.
std::wstring helpFileFor(const std::wstring& folder, const std::optional<std::string>& language,
                         const std::wstring& englishName);

}  // namespace tenebrix::win32
