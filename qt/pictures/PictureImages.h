// SPDX-License-Identifier: GPL-3.0-or-later
// The game's pictures as Qt images, drawn from their rules at the scale the
// screen needs so they stay pixel-sharp on high-density screens.
#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>

namespace tenebrix::qt {

// Tile picture 1..16 (odd: lit face of set (i+1)/2, even: the dark tile),
// drawn for `devicePixelRatio` (rounded up to a whole scale) and tagged with it.
QPixmap tilePicture(int index, qreal devicePixelRatio = 1.0);
QPixmap modeDiagram(int mode, qreal devicePixelRatio = 1.0);  // mode 1..9
QPixmap logoFrame(int frame, qreal devicePixelRatio = 1.0);   // frame 0..5
QPixmap aboutPicture(qreal devicePixelRatio = 1.0);
// The program icon with its larger sizes.
QIcon programIcon();

}  // namespace tenebrix::qt
