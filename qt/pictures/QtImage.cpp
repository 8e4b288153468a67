// SPDX-License-Identifier: GPL-3.0-or-later
// Drawn pictures as Qt images.
#include "QtImage.h"

#include <cmath>
#include <cstring>

#include "Canvas.h"

namespace tenebrix::qt {

static_assert(sizeof(pictures::Rgba) == 4, "a pixel is copied as four bytes");

QImage toQImage(const pictures::Image& image) {
    if (image.isEmpty()) return {};
    QImage result(image.width, image.height, QImage::Format_RGBA8888);
    const auto rowBytes = static_cast<std::size_t>(image.width) * sizeof(pictures::Rgba);
    for (int y = 0; y < image.height; ++y)
        std::memcpy(result.scanLine(y), &image.pixel(0, y), rowBytes);
    return result;
}

int wholeScaleFor(qreal devicePixelRatio) {
    // Ratios such as 2.0000001 come from arithmetic on 2 and must not round up to 3.
    constexpr qreal kTolerance = 1e-6;
    if (!(devicePixelRatio > 1.0)) return 1;
    if (devicePixelRatio >= pictures::kMaxScale) return pictures::kMaxScale;
    return pictures::wholeScale(static_cast<int>(std::ceil(devicePixelRatio - kTolerance)));
}

QPixmap toPixmap(const pictures::Image& image, int scale) {
    QPixmap pixmap = QPixmap::fromImage(toQImage(image));
    if (!pixmap.isNull()) pixmap.setDevicePixelRatio(pictures::wholeScale(scale));
    return pixmap;
}

}  // namespace tenebrix::qt
