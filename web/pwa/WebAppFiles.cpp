// SPDX-License-Identifier: GPL-3.0-or-later
// tenebrix-web-app-files OUTDIR: writes the web app manifest and the program
// icon at the sizes a browser asks for when it installs the game as an app.
#include <cstdio>
#include <fstream>
#include <string>

#include "MainWindowForm.h"
#include "PngFile.h"
#include "ProgramIcon.h"

namespace {

using namespace tenebrix;

// Whole multiples of the 32-pixel icon, so the installed icon stays as sharp
// as the window's.
struct IconSize {
    int scale;
    std::string fileName() const {
        const std::string side = std::to_string(scale * pictures::kProgramIconSize);
        return "icon-" + side + ".png";
    }
    std::string sizes() const {
        const std::string side = std::to_string(scale * pictures::kProgramIconSize);
        return side + "x" + side;
    }
};
constexpr IconSize kIconSizes[] = {{6}, {16}};

std::string manifestText() {
    const std::string title = forms::frmMain::kCaption;
    std::string icons;
    for (const IconSize& icon : kIconSizes) {
        if (!icons.empty()) icons += ",\n";
        icons += "    {\"src\": \"" + icon.fileName() + "\", \"sizes\": \"" + icon.sizes() +
                 "\", \"type\": \"image/png\"}";
    }
    return "{\n  \"name\": \"" + title + "\",\n  \"short_name\": \"" + title +
           "\",\n  \"description\": \"" TENEBRIX_DESCRIPTION
           "\",\n"
           "  \"id\": \"./\",\n  \"start_url\": \"./\",\n  \"scope\": \"./\",\n"
           "  \"display\": \"standalone\",\n"
           "  \"background_color\": \"#c0c0c0\",\n  \"theme_color\": \"#c0c0c0\",\n"
           "  \"icons\": [\n" +
           icons + "\n  ]\n}\n";
}

bool writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary);
    file << bytes;
    file.close();
    if (file) return true;
    std::fprintf(stderr, "tenebrix-web-app-files: cannot write %s\n", path.c_str());
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: tenebrix-web-app-files OUTDIR\n");
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    bool written = writeFile(folder + "manifest.webmanifest", manifestText());
    for (const IconSize& icon : kIconSizes)
        written = writeFile(folder + icon.fileName(),
                            web::pngFileBytes(pictures::programIcon(icon.scale))) &&
                  written;
    return written ? 0 : 1;
}
