// The sixteen tile pictures: margin, edges, faces and texts, pixel by pixel.
#include <QTest>

#include "Palette.h"
#include "RgbaToString.h"
#include "TilePictures.h"

using namespace tenebrix::pictures;

namespace {
enum class Part { LightEdge, DarkEdge, Face };

// Face colours of the lit tiles of sets 1..8, as the game's pictures are described.
const Rgba kSetFaces[] = {{0, 255, 255}, {255, 0, 255}, {255, 255, 0}, {255, 0, 0},
                          {0, 0, 255},   {128, 0, 128}, {0, 128, 128}, {0, 128, 0}};

// The colours of each part, as the game describes a raised lit and a sunken dark tile.
Rgba expectedColour(int index, Part part) {
    const bool lit = index % 2 == 1;
    switch (part) {
        case Part::LightEdge:
            return lit ? palette::white : palette::grey;
        case Part::DarkEdge:
            return lit ? palette::black : palette::white;
        case Part::Face:
            break;
    }
    return lit ? kSetFaces[(index - 1) / 2] : palette::black;
}
}  // namespace

Q_DECLARE_METATYPE(Part)

class TestTilePictures : public QObject {
    Q_OBJECT

  private slots:
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

    void edgesAndFace_data() {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<Part>("part");
        // Top-right corner: the diagonal u + v = 25 splits light from dark.
        QTest::newRow("top-right u24 v0") << 27 << 3 << Part::LightEdge;
        QTest::newRow("top-right u25 v0") << 28 << 3 << Part::LightEdge;
        QTest::newRow("top-right u24 v1") << 27 << 4 << Part::LightEdge;
        QTest::newRow("top-right u25 v1") << 28 << 4 << Part::DarkEdge;
        QTest::newRow("right below corner") << 27 << 5 << Part::DarkEdge;
        // Bottom-left corner, the mirror image.
        QTest::newRow("bottom-left u0 v24") << 3 << 27 << Part::LightEdge;
        QTest::newRow("bottom-left u0 v25") << 3 << 28 << Part::LightEdge;
        QTest::newRow("bottom-left u1 v24") << 4 << 27 << Part::LightEdge;
        QTest::newRow("bottom-left u1 v25") << 4 << 28 << Part::DarkEdge;
        QTest::newRow("bottom beside corner") << 5 << 27 << Part::DarkEdge;
        QTest::newRow("top-left") << 3 << 3 << Part::LightEdge;
        QTest::newRow("top-left inner") << 4 << 4 << Part::LightEdge;
        QTest::newRow("bottom-right") << 28 << 28 << Part::DarkEdge;
        QTest::newRow("bottom-right inner") << 27 << 27 << Part::DarkEdge;
        QTest::newRow("top middle") << 16 << 4 << Part::LightEdge;
        QTest::newRow("left middle") << 4 << 16 << Part::LightEdge;
        QTest::newRow("right middle") << 27 << 16 << Part::DarkEdge;
        QTest::newRow("bottom middle") << 16 << 27 << Part::DarkEdge;
        QTest::newRow("face top-left") << 5 << 5 << Part::Face;
        QTest::newRow("face bottom-right") << 26 << 26 << Part::Face;
        QTest::newRow("face top-right") << 26 << 5 << Part::Face;
        QTest::newRow("face bottom-left") << 5 << 26 << Part::Face;
    }

    void edgesAndFace() {
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(Part, part);
        for (int index = 1; index <= kTilePictureCount; ++index)
            QCOMPARE(tilePicture(index).pixel(x, y), expectedColour(index, part));
    }

    void litAndDarkDifferInEveryPart() {
        const Image dark = tilePicture(2);
        for (int tileSet = 1; tileSet <= kTileSetCount; ++tileSet) {
            const Image lit = tilePicture(2 * tileSet - 1);
            QVERIFY(lit.pixel(16, 16) != dark.pixel(16, 16));  // face
            QVERIFY(lit.pixel(3, 16) != dark.pixel(3, 16));    // light edge
            QVERIFY(lit.pixel(28, 16) != dark.pixel(28, 16));  // dark edge
            QCOMPARE(tilePicture(2 * tileSet), dark);          // one dark tile for all sets
        }
    }

    void faceColourOfEachSet() {
        for (int tileSet = 1; tileSet <= kTileSetCount; ++tileSet) {
            const Image lit = tilePicture(2 * tileSet - 1);
            QCOMPARE(tileSetFaceColour(tileSet), kSetFaces[tileSet - 1]);
            for (int y = 5; y <= 26; ++y) {
                for (int x = 5; x <= 26; ++x) QCOMPARE(lit.pixel(x, y), kSetFaces[tileSet - 1]);
            }
        }
    }

    void textsAndIndexesOutsideTheList() {
        for (int index = 1; index <= kTilePictureCount; ++index)
            QCOMPARE(tilePictureText(index), std::string("Change all tiles to black"));
        for (const int index : {-1, 0, 17}) {
            QVERIFY(tilePicture(index).isEmpty());
            QVERIFY(tilePictureText(index).empty());
        }
    }
};

QTEST_GUILESS_MAIN(TestTilePictures)
#include "test_tilepictures.moc"
