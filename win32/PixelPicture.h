// SPDX-License-Identifier: GPL-3.0-or-later
// A game picture on a Windows screen: composed over a back colour, scaled by
// a whole factor pixel for pixel, and copied to a device context.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "Colour.h"
#include "Image.h"

namespace tenebrix::win32 {

// The colour a back colour stands for on screen: a system colour is looked up.
COLORREF screenColour(Colour colour);

// `picture` over `back`, each pixel `scale` x `scale` times, as 32-bit
// top-down 0x00RRGGBB pixels, width and height picture size x scale.
std::vector<std::uint32_t> composedPixels(const pictures::Image& picture, COLORREF back, int scale);

// Draws `picture` over `back` at (x, y), `scale` screen pixels to a picture pixel.
void drawPicture(HDC dc, int x, int y, const pictures::Image& picture, COLORREF back, int scale);

}  // namespace tenebrix::win32
