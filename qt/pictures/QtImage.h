// SPDX-License-Identifier: GPL-3.0-or-later
// Drawn pictures as Qt images, and the whole scale a screen's pixel ratio
// needs so that every picture pixel covers whole device pixels.
#pragma once

#include <QImage>
#include <QPixmap>

#include "Image.h"

namespace tenebrix::qt {

// The picture's pixels, alpha kept; a null image for an empty picture.
QImage toQImage(const pictures::Image& image);

// The smallest whole scale that covers `devicePixelRatio`, within the scales
// the pictures can be drawn at; 1 for a ratio that is not a positive number.
int wholeScaleFor(qreal devicePixelRatio);

// A picture drawn at `scale`, tagged with that ratio so it shows at its
// picture size in device-independent pixels; null for an empty picture.
QPixmap toPixmap(const pictures::Image& image, int scale);

}  // namespace tenebrix::qt
