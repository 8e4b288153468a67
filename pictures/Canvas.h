// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing in picture pixels at a whole scale: each picture pixel becomes a
// scale x scale block of the image, so an enlarged picture stays sharp.
#pragma once

#include <utility>

#include "Image.h"

namespace tenebrix::pictures {

// Large enough for a 256-pixel icon and the sharpest screens; beyond it a
// picture would only waste memory.
inline constexpr int kMaxScale = 16;

// `scale` brought into 1..kMaxScale, so that no request can ask for a
// picture of zero or absurd size.
constexpr int wholeScale(int scale) {
    return scale < 1 ? 1 : (scale > kMaxScale ? kMaxScale : scale);
}

class Canvas {
  public:
    // A picture of width x height picture pixels, all `background`.
    Canvas(int width, int height, int scale, Rgba background);

    int width() const { return width_; }
    int height() const { return height_; }
    int scale() const { return scale_; }

    // Coordinates are picture pixels; whatever lies outside the picture is
    // left out rather than wrapped.
    void setPixel(int x, int y, Rgba colour) { fillRect(x, y, 1, 1, colour); }
    void fillRect(int x, int y, int width, int height, Rgba colour);
    // A square with a 1-pixel `outline` around a `face` of size - 2 pixels.
    void outlinedSquare(int x, int y, int size, Rgba outline, Rgba face);

    const Image& image() const& { return image_; }
    Image image() && { return std::move(image_); }

  private:
    int width_;
    int height_;
    int scale_;
    Image image_;
};

}  // namespace tenebrix::pictures
