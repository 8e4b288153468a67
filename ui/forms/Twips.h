// SPDX-License-Identifier: GPL-3.0-or-later
// Twips, the unit every window is laid out in: 1440 to the inch, 15 to a
// pixel at 96 dots per inch.
#pragma once

namespace tenebrix::forms {

inline constexpr int kTwipsPerPixel = 15;

// Nearest whole pixel at 96 dots per inch; the one size that is not a whole
// number of pixels, the 545-twip picture box, comes out at 36, a 2-pixel
// border around 32.
constexpr int twipsToPixels(int twips) {
    const int doubled = 2 * twips;
    const int divisor = 2 * kTwipsPerPixel;
    return doubled >= 0 ? (doubled + kTwipsPerPixel) / divisor
                        : -((-doubled + kTwipsPerPixel) / divisor);
}

// A control's place within its container, in twips.
struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    constexpr int right() const { return left + width; }
    constexpr int bottom() const { return top + height; }
};

// The same place in whole pixels at 96 dots per inch.
struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

constexpr PixelRect toPixelRect(const TwipRect& r) {
    return {twipsToPixels(r.left), twipsToPixels(r.top), twipsToPixels(r.width),
            twipsToPixels(r.height)};
}

}  // namespace tenebrix::forms
