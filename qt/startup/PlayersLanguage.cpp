// SPDX-License-Identifier: GPL-3.0-or-later
// The player's catalogue, read once at start.
#include "PlayersLanguage.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <system_error>
#include <vector>

#include "CatalogueFile.h"
#include "Translate.h"

namespace tenebrix::startup {

namespace {

// The game's catalogues are some tens of kilobytes; a file far larger is
// not one of them, and reading it whole would hold up the start.
constexpr std::uintmax_t kMaxCatalogueSize = 4 * 1024 * 1024;

// The installed catalogues, relative to the installed program's folder.
constexpr const char* kInstalledLocale = "../share/locale";

std::optional<std::vector<std::uint8_t>> readCatalogue(const std::filesystem::path& path) {
    std::error_code error;
    // Only a regular file is opened: a FIFO put in its place would block the start.
    if (!std::filesystem::is_regular_file(path, error) || error) return std::nullopt;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error || size > kMaxCatalogueSize) return std::nullopt;
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (file.gcount() != static_cast<std::streamsize>(bytes.size())) return std::nullopt;
    return bytes;
}

}  // namespace

std::optional<std::string> processEnvironment(const char* name) {
    if (const char* value = std::getenv(name)) return std::string(value);
    return std::nullopt;
}

std::filesystem::path programFolder(const char* argv0) {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error && self.has_parent_path()) return self.parent_path();
    if (!argv0 || !*argv0) return {};
    const std::filesystem::path given(argv0);
    const std::filesystem::path absolute = std::filesystem::absolute(given, error);
    return error ? given.parent_path() : absolute.parent_path();
}

std::optional<std::string> loadPlayersCatalogue(const Environment& environment,
                                                const std::filesystem::path& programFolder) {
    i18n::useCatalogue({});
    const auto folders = i18n::catalogueFolders(programFolder, kInstalledLocale);
    const auto file = i18n::findCatalogueFile(environment, folders);
    if (!file) return std::nullopt;
    const auto bytes = readCatalogue(*file);
    if (!bytes) return std::nullopt;
    i18n::Catalogue catalogue = i18n::Catalogue::fromMo(*bytes);
    if (!catalogue.valid() || catalogue.empty()) return std::nullopt;
    i18n::useCatalogue(std::move(catalogue));
    // The folder's name (LANG/LC_MESSAGES/tenebrix.mo), which the help pages' folders share.
    return file->parent_path().parent_path().filename().string();
}

}  // namespace tenebrix::startup
