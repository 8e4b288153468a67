// SPDX-License-Identifier: GPL-3.0-or-later
// The player's language on Windows.
#include "PlayerLanguage.h"

#include "Language.h"
#include "ResourceIds.h"
#include "Translate.h"
#include "WideText.h"

namespace tenebrix::win32 {

namespace {

std::span<const std::uint8_t> resourceBytes(HMODULE module, int id) {
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10));  // RT_RCDATA
    if (!found) return {};
    HGLOBAL loaded = LoadResource(module, found);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes) return {};
    return {static_cast<const std::uint8_t*>(bytes), SizeofResource(module, found)};
}

}  // namespace

std::vector<std::string> carriedLanguages(HMODULE module) {
    const std::span<const std::uint8_t> list = resourceBytes(module, TENEBRIX_CATALOGUE_LIST);
    std::vector<std::string> languages;
    std::string line;
    for (const std::uint8_t byte : list) {
        if (byte == '\n' || byte == '\r') {
            if (!line.empty()) languages.push_back(line);
            line.clear();
        } else {
            line += static_cast<char>(byte);
        }
    }
    if (!line.empty()) languages.push_back(line);
    return languages;
}

std::span<const std::uint8_t> carriedCatalogue(HMODULE module, std::string_view language) {
    const std::vector<std::string> languages = carriedLanguages(module);
    for (std::size_t i = 0; i < languages.size(); ++i) {
        if (languages[i] == language)
            return resourceBytes(module, TENEBRIX_FIRST_CATALOGUE + static_cast<int>(i));
    }
    return {};
}

std::vector<std::string> systemDisplayLanguages() {
    ULONG count = 0, length = 0;
    if (!GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, nullptr, &length) || length == 0)
        return {};
    std::wstring names(length, L'\0');
    if (!GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, names.data(), &length)) return {};
    // One name after another, each ended by a null, the list by a second one.
    std::vector<std::string> languages;
    for (std::size_t at = 0; at < names.size() && names[at] != L'\0';) {
        const std::size_t end = names.find(L'\0', at);
        languages.push_back(narrow(names.substr(at, end - at)));
        at = end + 1;
    }
    return languages;
}

std::vector<std::string> preferredLanguages(
    const std::function<std::optional<std::string>(const char*)>& environment,
    std::vector<std::string> displayLanguages) {
    const std::optional<std::string> asked = environment("LANGUAGE");
    if (!asked || asked->empty()) return displayLanguages;
    std::vector<std::string> languages;
    std::size_t at = 0;
    while (at <= asked->size()) {
        const std::size_t end = std::min(asked->find(':', at), asked->size());
        if (end > at) languages.push_back(asked->substr(at, end - at));
        at = end + 1;
    }
    return languages;
}

std::optional<std::string> environmentVariable(const char* name) {
    const std::wstring wideName = widen(name);
    const DWORD size = GetEnvironmentVariableW(wideName.c_str(), nullptr, 0);
    if (size == 0) return std::nullopt;
    std::wstring value(size, L'\0');
    value.resize(GetEnvironmentVariableW(wideName.c_str(), value.data(), size));
    return narrow(value);
}

std::optional<std::string> usePlayerLanguage(HMODULE module) {
    const std::vector<std::string> preferred =
        preferredLanguages(environmentVariable, systemDisplayLanguages());
    const std::vector<std::string> available = carriedLanguages(module);
    const std::optional<std::string> chosen = i18n::chooseCatalogue(preferred, available);
    if (!chosen) {
        i18n::useCatalogue({});
        return std::nullopt;
    }
    i18n::Catalogue catalogue = i18n::Catalogue::fromMo(carriedCatalogue(module, *chosen));
    // A damaged catalogue reads as none: the game speaks English.
    if (!catalogue.valid() || catalogue.empty()) {
        i18n::useCatalogue({});
        return std::nullopt;
    }
    i18n::useCatalogue(std::move(catalogue));
    return chosen;
}

std::wstring helpFileFor(const std::wstring& folder, const std::optional<std::string>& language,
                         const std::wstring& englishName) {
    if (language) {
        const std::wstring translated = folder + widen(*language) + L"\\" + englishName;
        const DWORD attributes = GetFileAttributesW(translated.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY))
            return translated;
    }
    return folder + englishName;
}

}  // namespace tenebrix::win32
