// SPDX-License-Identifier: GPL-3.0-or-later
// program-icon-file OUT.ico: the program icon at 16, 32, 48 and 256 pixels as
// a Windows icon file. Built and run on the build machine, for the .rc file.
#include <cstdio>
#include <fstream>
#include <stdexcept>

#include "IconFile.h"
#include "ProgramIcon.h"

namespace {

using tenebrix::pictures::Image;
using tenebrix::pictures::kProgramIconSize;
using tenebrix::pictures::programIcon;

// Whole scales keep the icon's squares sharp; 16 and 48 pixels are the means
// of a drawing twice their size, so no outline drops out.
std::vector<Image> iconSizes() {
    return {
        tenebrix::icons::shrunk(programIcon(1), 2),  // 16
        programIcon(1),                              // 32
        tenebrix::icons::shrunk(programIcon(3), 2),  // 48
        programIcon(256 / kProgramIconSize),         // 256
    };
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUT.ico\n", argv[0]);
        return 2;
    }
    const std::vector<std::uint8_t> bytes = tenebrix::icons::iconFile(iconSizes());
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
        return 1;
    }
    return 0;
}
