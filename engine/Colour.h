// SPDX-License-Identifier: GPL-3.0-or-later
// Colours as the game keeps them: 32-bit values laid out &H00BBGGRR, red in
// the low byte. A value with the top bit set names a system colour instead.
#pragma once

#include <cstdint>

namespace tenebrix {

using Colour = std::uint32_t;

constexpr Colour rgb(int red, int green, int blue) {
    return static_cast<Colour>(red) | static_cast<Colour>(green) << 8 |
           static_cast<Colour>(blue) << 16;
}
constexpr int redOf(Colour colour) {
    return static_cast<int>(colour & 0xFF);
}
constexpr int greenOf(Colour colour) {
    return static_cast<int>(colour >> 8 & 0xFF);
}
constexpr int blueOf(Colour colour) {
    return static_cast<int>(colour >> 16 & 0xFF);
}

constexpr bool isSystemColour(Colour colour) {
    return (colour & 0x80000000u) != 0;
}

// The back colour a picture box has until the game gives it another: the
// platform's button-face colour.
inline constexpr Colour kPlatformBackColour = 0x8000000Fu;

inline constexpr Colour kHighlightColour = rgb(0, 255, 0);   // move preview
inline constexpr Colour kNormalColour = rgb(192, 192, 192);  // after the preview

}  // namespace tenebrix
