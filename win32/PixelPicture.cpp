// SPDX-License-Identifier: GPL-3.0-or-later
// Composing and drawing the game's pictures.
#include "PixelPicture.h"

namespace tenebrix::win32 {

COLORREF screenColour(Colour colour) {
    // A system colour keeps its index in the low byte, as the game writes it.
    if (isSystemColour(colour)) return GetSysColor(static_cast<int>(colour & 0xFF));
    return RGB(redOf(colour), greenOf(colour), blueOf(colour));
}

namespace {

std::uint8_t blend(std::uint8_t over, std::uint8_t under, std::uint8_t alpha) {
    return static_cast<std::uint8_t>((over * alpha + under * (255 - alpha) + 127) / 255);
}

std::uint32_t composedPixel(const pictures::Rgba& pixel, COLORREF back) {
    const auto red = blend(pixel.red, GetRValue(back), pixel.alpha);
    const auto green = blend(pixel.green, GetGValue(back), pixel.alpha);
    const auto blue = blend(pixel.blue, GetBValue(back), pixel.alpha);
    return static_cast<std::uint32_t>(red) << 16 | static_cast<std::uint32_t>(green) << 8 | blue;
}

}  // namespace

std::vector<std::uint32_t> composedPixels(const pictures::Image& picture, COLORREF back,
                                          int scale) {
    const int width = picture.width * scale;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width * picture.height * scale));
    for (int y = 0; y < picture.height * scale; ++y) {
        for (int x = 0; x < width; ++x) {
            pixels[static_cast<std::size_t>(y * width + x)] =
                composedPixel(picture.pixel(x / scale, y / scale), back);
        }
    }
    return pixels;
}

void drawPicture(HDC dc, int x, int y, const pictures::Image& picture, COLORREF back, int scale) {
    if (picture.isEmpty() || scale < 1) return;
    const auto pixels = composedPixels(picture, back, scale);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = picture.width * scale;
    info.bmiHeader.biHeight = -picture.height * scale;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    SetDIBitsToDevice(dc, x, y, static_cast<DWORD>(picture.width * scale),
                      static_cast<DWORD>(picture.height * scale), 0, 0, 0,
                      static_cast<UINT>(picture.height * scale), pixels.data(), &info,
                      DIB_RGB_COLORS);
}

}  // namespace tenebrix::win32
