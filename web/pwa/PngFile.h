// SPDX-License-Identifier: GPL-3.0-or-later
// A picture as the bytes of a PNG file, for the web app's icons and for the
// browser tests' expected pictures. Standard library only.
#pragma once

#include <string>

#include "Image.h"

namespace tenebrix::web {

// 8-bit RGBA, not interlaced, compressed by the encoder's own deflate (one
// block with Huffman codes of its own, copies from up to 32 KiB back): no
// compression library is needed, and the game's pictures are flat colour.
std::string pngFileBytes(const pictures::Image& image);

}  // namespace tenebrix::web
