// SPDX-License-Identifier: GPL-3.0-or-later
// The picture list of the tile sets.
#include "TileSetList.h"

#include "PictureImages.h"
#include "TilePictures.h"

namespace tenebrix::qt {

QPixmap TileSetList::picture(int index, qreal devicePixelRatio) const {
    return tilePicture(index, devicePixelRatio);
}

int TileSetList::count() const {
    return pictures::kTilePictureCount;
}

}  // namespace tenebrix::qt
