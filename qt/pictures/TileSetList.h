// SPDX-License-Identifier: GPL-3.0-or-later
// The picture list of the tile sets: picture i (1..16), as the settings
// panel asks for them (2n - 1 lit and 2n dark for tile set n). The caption
// under them is the shared one (ui::tileSetCaption).
#pragma once

#include <QPixmap>

namespace tenebrix::qt {

class TileSetList {
  public:
    // Null for an index outside 1..count().
    QPixmap picture(int index, qreal devicePixelRatio = 1.0) const;
    int count() const;
};

}  // namespace tenebrix::qt
