// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing in picture pixels at a whole scale.
#include "Canvas.h"

#include <algorithm>

namespace tenebrix::pictures {

Canvas::Canvas(int width, int height, int scale, Rgba background)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      scale_(wholeScale(scale)),
      image_(width_ * scale_, height_ * scale_, background) {}

void Canvas::fillRect(int x, int y, int width, int height, Rgba colour) {
    const int left = std::max(x, 0) * scale_;
    const int top = std::max(y, 0) * scale_;
    const int right = std::min(x + width, width_) * scale_;
    const int bottom = std::min(y + height, height_) * scale_;
    if (left >= right || top >= bottom) return;
    for (int row = top; row < bottom; ++row)
        std::fill(image_.pixels.begin() + row * image_.width + left,
                  image_.pixels.begin() + row * image_.width + right, colour);
}

void Canvas::outlinedSquare(int x, int y, int size, Rgba outline, Rgba face) {
    fillRect(x, y, size, size, outline);
    fillRect(x + 1, y + 1, size - 2, size - 2, face);
}

}  // namespace tenebrix::pictures
