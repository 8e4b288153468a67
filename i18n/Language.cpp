// SPDX-License-Identifier: GPL-3.0-or-later
// Choosing the player's catalogue.
#include "Language.h"

#include <algorithm>

namespace tenebrix::i18n {

namespace {

bool isNoLanguage(std::string_view name) {
    return name.empty() || name == "C" || name == "POSIX" || name.starts_with("C.");
}

bool isEnglish(std::string_view normalised) {
    return normalised == "en" || normalised.starts_with("en_") ||
           (normalised.starts_with("en@") && normalised != "en@pseudo");
}

bool has(std::span<const std::string> available, std::string_view name) {
    return std::find(available.begin(), available.end(), name) != available.end();
}

}  // namespace

std::string normalisedLanguage(std::string_view name) {
    std::string modifier;
    if (const auto at = name.find('@'); at != std::string_view::npos) {
        modifier = std::string(name.substr(at));
        name = name.substr(0, at);
    }
    if (const auto dot = name.find('.'); dot != std::string_view::npos) name = name.substr(0, dot);
    std::string result(name);
    std::replace(result.begin(), result.end(), '-', '_');
    // Language in small letters, territory in capitals: "pt-br" -> "pt_BR".
    const auto underscore = result.find('_');
    for (std::size_t i = 0; i < result.size(); ++i) {
        const char c = result[i];
        if (underscore != std::string::npos && i > underscore)
            result[i] = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
        else
            result[i] = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    return result + modifier;
}

std::vector<std::string> catalogueCandidates(std::string_view preferred) {
    const std::string full = normalisedLanguage(preferred);
    const auto at = full.find('@');
    const std::string modifier = at == std::string::npos ? "" : full.substr(at);
    const std::string withoutModifier = full.substr(0, at);
    const std::string language = withoutModifier.substr(0, withoutModifier.find('_'));
    std::vector<std::string> candidates;
    for (const std::string& candidate : {full, withoutModifier, language + modifier, language}) {
        if (std::find(candidates.begin(), candidates.end(), candidate) == candidates.end())
            candidates.push_back(candidate);
    }
    return candidates;
}

std::optional<std::string> chooseCatalogue(std::span<const std::string> preferred,
                                           std::span<const std::string> available) {
    for (const std::string& wanted : preferred) {
        if (isNoLanguage(wanted)) return std::nullopt;
        for (const std::string& candidate : catalogueCandidates(wanted)) {
            if (has(available, candidate)) return candidate;
        }
        if (isEnglish(normalisedLanguage(wanted))) return std::nullopt;
    }
    return std::nullopt;
}

std::vector<std::string> posixPreferredLanguages(
    const std::function<std::optional<std::string>(const char*)>& environment) {
    const auto set = [&](const char* name) -> std::optional<std::string> {
        auto value = environment(name);
        if (value && value->empty()) return std::nullopt;
        return value;
    };
    std::optional<std::string> locale = set("LC_ALL");
    if (!locale) locale = set("LC_MESSAGES");
    if (!locale) locale = set("LANG");
    // gettext ignores LANGUAGE only for the locale that is no language at
    // all; "C.UTF-8" still lets LANGUAGE choose.
    if (!locale || *locale == "C" || *locale == "POSIX") return {};
    std::vector<std::string> languages;
    if (const auto list = set("LANGUAGE")) {
        std::string_view rest = *list;
        while (!rest.empty()) {
            const auto colon = rest.find(':');
            const std::string_view entry = rest.substr(0, colon);
            if (!entry.empty()) languages.emplace_back(entry);
            if (colon == std::string_view::npos) break;
            rest.remove_prefix(colon + 1);
        }
    }
    languages.push_back(*locale);
    return languages;
}

}  // namespace tenebrix::i18n
