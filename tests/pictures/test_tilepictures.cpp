// SPDX-License-Identifier: GPL-3.0-or-later
// The sixteen tile pictures: the transparent margin, the raised and sunken
// edges and the face colour of each tile set.
#include <QTest>

#include "TilePictures.h"

using namespace tenebrix;
using namespace tenebrix::pictures;

namespace {
const Rgba kBlack{0, 0, 0};
const Rgba kWhite{255, 255, 255};
const Rgba kGrey{128, 128, 128};
// Lit faces of tile sets 1..8.
const Rgba kSetFaces[] = {{0, 255, 255}, {255, 0, 255}, {255, 255, 0}, {255, 0, 0},
                          {0, 0, 255},   {128, 0, 128}, {0, 128, 128}, {0, 128, 0}};
}  // namespace

class TestTilePictures : public QObject {
    Q_OBJECT

  private slots:
    // The board box's back colour shows through the margin, and the move
    // preview relies on the square never covering it.
    void transparentExactlyOutsideTheSquare() {
        for (int index = 1; index <= kTilePictureCount; ++index) {
            const Image tile = tilePicture(index);
            QVERIFY(tile.width == 32 && tile.height == 32);
            for (int y = 0; y < 32; ++y)
                for (int x = 0; x < 32; ++x)  // inside the square opaque, outside clear
                    QCOMPARE(tile.pixel(x, y).alpha,
                             x >= 3 && x <= 28 && y >= 3 && y <= 28 ? 255 : 0);
        }
    }

    // Lit and dark differ in face, light edge and dark edge, so a tile's state
    // reads at a glance; the eight sets share one dark tile. Where the top edge
    // meets the right one, and the left the bottom, the diagonal u + v = 25
    // (u = x - 3, v = y - 3) splits light from dark.
    void eachSetsLitAndDarkTile() {
        const Image dark = tilePicture(2);
        struct Corner {
            int x, y;
            bool light;
        };
        const Corner corners[] = {{28, 3, true}, {27, 4, true}, {28, 4, false},
                                  {3, 28, true}, {4, 27, true}, {4, 28, false}};
        for (int tileSet = 1; tileSet <= kMaxTileSet; ++tileSet) {
            const Image lit = tilePicture(litPictureOf(tileSet));
            QCOMPARE(tilePicture(darkPictureOf(tileSet)), dark);
            QVERIFY(lit.pixel(3, 16) != dark.pixel(3, 16) &&
                    lit.pixel(28, 16) != dark.pixel(28, 16));
            for (const auto& [x, y, light] : corners)
                QVERIFY2(lit.pixel(x, y) == (light ? kWhite : kBlack) &&
                             dark.pixel(x, y) == (light ? kGrey : kWhite),
                         qPrintable(QString("set %1 at (%2, %3)").arg(tileSet).arg(x).arg(y)));
            for (int y = 5; y <= 26; ++y)
                for (int x = 5; x <= 26; ++x)
                    QVERIFY(lit.pixel(x, y) == kSetFaces[tileSet - 1] &&
                            dark.pixel(x, y) == kBlack);
        }
    }
};

QTEST_GUILESS_MAIN(TestTilePictures)
#include "test_tilepictures.moc"
