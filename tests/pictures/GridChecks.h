// Checks for pictures made of cells between 1-pixel lines: each returns an
// empty text when the picture is right, else the first wrong pixel.
#pragma once

#include <QString>
#include <vector>

#include "Image.h"

namespace tenebrix::pictures {

inline QString wrongPixel(const Image& image, int x, int y, Rgba expected) {
    const Rgba actual = image.pixel(x, y);
    if (actual == expected) return {};
    return QString("pixel (%1, %2) is %3, %4, %5, %6 instead of %7, %8, %9")
        .arg(x)
        .arg(y)
        .arg(actual.red)
        .arg(actual.green)
        .arg(actual.blue)
        .arg(actual.alpha)
        .arg(expected.red)
        .arg(expected.green)
        .arg(expected.blue);
}

// The cell whose top-left pixel is (left, top): a black outline around `face`.
inline QString cellMismatch(const Image& image, int left, int top, int size, Rgba face) {
    for (int y = top; y < top + size; ++y) {
        for (int x = left; x < left + size; ++x) {
            const bool outline =
                x == left || y == top || x == left + size - 1 || y == top + size - 1;
            const QString wrong = wrongPixel(image, x, y, outline ? Rgba{0, 0, 0} : face);
            if (!wrong.isEmpty()) return wrong;
        }
    }
    return {};
}

// Every pixel of the rows and columns at `positions` is `colour`.
inline QString lineMismatch(const Image& image, const std::vector<int>& positions, Rgba colour) {
    for (const int position : positions) {
        for (int along = 0; along < image.width; ++along) {
            QString wrong = wrongPixel(image, along, position, colour);
            if (wrong.isEmpty()) wrong = wrongPixel(image, position, along, colour);
            if (!wrong.isEmpty()) return wrong;
        }
    }
    return {};
}

}  // namespace tenebrix::pictures
