// SPDX-License-Identifier: GPL-3.0-or-later
// The picture list of the tile sets: picture i (1..16) and its text, as the
// settings panel asks for them (2n - 1 lit and 2n dark for tile set n).
#pragma once

#include <QPixmap>
#include <QString>

namespace tenebrix::qt {

class TileSetList {
  public:
    // Null for an index outside 1..count().
    QPixmap picture(int index, qreal devicePixelRatio = 1.0) const;
    // Empty for an index outside 1..count().
    QString text(int index) const;
    int count() const;
};

}  // namespace tenebrix::qt
