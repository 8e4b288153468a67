// SPDX-License-Identifier: GPL-3.0-or-later
// Finding the player's compiled catalogue.
#include "CatalogueFile.h"

#include <algorithm>
#include <system_error>

#include "Language.h"

namespace tenebrix::i18n {

namespace {

bool isFile(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

std::filesystem::path catalogueIn(const std::filesystem::path& folder, std::string_view language,
                                  std::string_view domain) {
    return folder / std::string(language) / "LC_MESSAGES" / (std::string(domain) + ".mo");
}

}  // namespace

std::optional<std::filesystem::path> findCatalogueFile(
    const std::function<std::optional<std::string>(const char*)>& environment,
    std::span<const std::filesystem::path> folders, std::string_view domain) {
    const std::vector<std::string> preferred = posixPreferredLanguages(environment);
    // The catalogues there are among the names the player's languages lead to.
    std::vector<std::string> available;
    for (const std::string& language : preferred) {
        for (const std::string& name : catalogueCandidates(language)) {
            if (std::find(available.begin(), available.end(), name) != available.end()) continue;
            // A name is a folder's name, never a path: "../x" or "a/b" is no language.
            if (name.empty() || name.find_first_of("/\\") != std::string::npos || name == "." ||
                name == "..")
                continue;
            for (const std::filesystem::path& folder : folders) {
                if (isFile(catalogueIn(folder, name, domain))) {
                    available.push_back(name);
                    break;
                }
            }
        }
    }
    const std::optional<std::string> chosen = chooseCatalogue(preferred, available);
    if (!chosen) return std::nullopt;
    for (const std::filesystem::path& folder : folders) {
        std::filesystem::path file = catalogueIn(folder, *chosen, domain);
        if (isFile(file)) return file;
    }
    return std::nullopt;
}

std::vector<std::filesystem::path> catalogueFolders(const std::filesystem::path& programFolder,
                                                    const std::filesystem::path& installedFolder) {
    std::vector<std::filesystem::path> folders;
    std::filesystem::path above = programFolder;
    for (int level = 0; level <= 3 && !above.empty(); ++level) {
        std::error_code error;
        if (isFile(above / "CMakeCache.txt") &&
            std::filesystem::is_directory(above / "locale", error)) {
            folders.push_back(above / "locale");
            break;
        }
        if (above == above.parent_path()) break;
        above = above.parent_path();
    }
    folders.push_back(installedFolder.is_absolute()
                          ? installedFolder
                          : (programFolder / installedFolder).lexically_normal());
    return folders;
}

}  // namespace tenebrix::i18n
