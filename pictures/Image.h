// SPDX-License-Identifier: GPL-3.0-or-later
// A picture as plain pixels: width by height RGBA values, row by row from the
// top left. Every picture of the game is drawn into one of these.
#pragma once

#include <cstdint>
#include <vector>

namespace tenebrix::pictures {

struct Rgba {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    std::uint8_t alpha = 255;  // 0 is fully transparent

    friend constexpr bool operator==(const Rgba&, const Rgba&) = default;
};

struct Image {
    int width = 0;
    int height = 0;
    std::vector<Rgba> pixels;  // width * height, row by row

    Image() = default;
    Image(int width, int height, Rgba fill)
        : width(width), height(height), pixels(static_cast<std::size_t>(width * height), fill) {}

    bool isEmpty() const { return pixels.empty(); }
    bool contains(int x, int y) const { return x >= 0 && x < width && y >= 0 && y < height; }
    // The caller keeps (x, y) inside the picture.
    Rgba& pixel(int x, int y) { return pixels[static_cast<std::size_t>(y * width + x)]; }
    const Rgba& pixel(int x, int y) const {
        return pixels[static_cast<std::size_t>(y * width + x)];
    }

    friend bool operator==(const Image&, const Image&) = default;
};

}  // namespace tenebrix::pictures
