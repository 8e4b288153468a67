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
            QCOMPARE(tile.width, 32);
            QCOMPARE(tile.height, 32);
            for (int y = 0; y < 32; ++y) {
                for (int x = 0; x < 32; ++x) {
                    const bool inside = x >= 3 && x <= 28 && y >= 3 && y <= 28;
                    QCOMPARE(tile.pixel(x, y).alpha, inside ? 255 : 0);
                }
            }
        }
    }

    // Where the top edge meets the right one, and the left the bottom, the
    // diagonal u + v = 25 (u = x - 3, v = y - 3) splits light from dark.
    void edgesMeetOnTheDiagonal_data() {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<bool>("light");
        QTest::newRow("top-right u25 v0") << 28 << 3 << true;
        QTest::newRow("top-right u24 v1") << 27 << 4 << true;
        QTest::newRow("top-right u25 v1") << 28 << 4 << false;
        QTest::newRow("bottom-left u0 v25") << 3 << 28 << true;
        QTest::newRow("bottom-left u1 v24") << 4 << 27 << true;
        QTest::newRow("bottom-left u1 v25") << 4 << 28 << false;
    }

    void edgesMeetOnTheDiagonal() {
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(bool, light);
        for (int tileSet = 1; tileSet <= kMaxTileSet; ++tileSet) {
            QCOMPARE(tilePicture(litPictureOf(tileSet)).pixel(x, y), light ? kWhite : kBlack);
            QCOMPARE(tilePicture(darkPictureOf(tileSet)).pixel(x, y), light ? kGrey : kWhite);
        }
    }

    // Lit and dark differ in face, light edge and dark edge, so a tile's state
    // reads at a glance; the eight sets share one dark tile.
    void eachSetsLitAndDarkTile() {
        const Image dark = tilePicture(2);
        for (int tileSet = 1; tileSet <= kMaxTileSet; ++tileSet) {
            const Image lit = tilePicture(litPictureOf(tileSet));
            QCOMPARE(tilePicture(darkPictureOf(tileSet)), dark);
            QVERIFY(lit.pixel(3, 16) != dark.pixel(3, 16));    // light edge
            QVERIFY(lit.pixel(28, 16) != dark.pixel(28, 16));  // dark edge
            for (int y = 5; y <= 26; ++y) {
                for (int x = 5; x <= 26; ++x) {
                    QCOMPARE(lit.pixel(x, y), kSetFaces[tileSet - 1]);
                    QCOMPARE(dark.pixel(x, y), kBlack);
                }
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestTilePictures)
#include "test_tilepictures.moc"
