// SPDX-License-Identifier: GPL-3.0-or-later
// expected-pictures OUTDIR: writes every picture of the game, at its own size,
// as a PNG file, for the browser tests to compare the page's pixels with.
#include <cstdio>
#include <fstream>
#include <string>

#include "LogoFrames.h"
#include "ModeDiagrams.h"
#include "PngFile.h"
#include "ProgramIcon.h"
#include "TilePictures.h"

using namespace tenebrix;

static bool write(const std::string& path, const pictures::Image& image) {
    std::ofstream(path, std::ios::binary) << web::pngFileBytes(image);
    return std::ifstream(path).good();
}

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    const std::string folder = std::string(argv[1]) + "/";
    bool written = write(folder + "icon.png", pictures::programIcon()) &&
                   write(folder + "about.png", pictures::aboutPicture());
    for (int i = 1; i <= pictures::kTilePictureCount; ++i)
        written = written &&
                  write(folder + "tile-" + std::to_string(i) + ".png", pictures::tilePicture(i));
    for (int k = 1; k <= kMaxMode; ++k)
        written = written &&
                  write(folder + "mode-" + std::to_string(k) + ".png", pictures::modeDiagram(k));
    for (int k = 0; k < pictures::kLogoFrameCount; ++k)
        written =
            written && write(folder + "logo-" + std::to_string(k) + ".png", pictures::logoFrame(k));
    if (!written) std::fprintf(stderr, "expected-pictures: cannot write into %s\n", argv[1]);
    return written ? 0 : 1;
}
