// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the game's page into a folder: write_page FOLDER.
// Run at build time, so the page's markup comes from the same window
// descriptions as the desktop's windows.
#include <cstdio>
#include <string>

#include "PageMarkup.h"

namespace {

bool writeFile(const std::string& path, const std::string& text) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    return std::fclose(file) == 0 && written;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: write_page FOLDER\n", stderr);
        return 2;
    }
    const std::string folder = argv[1];
    if (!writeFile(folder + "/index.html", tenebrix::web::gamePage())) {
        std::fputs("write_page: cannot write into the folder\n", stderr);
        return 1;
    }
    return 0;
}
