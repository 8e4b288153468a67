// The pictures as Qt pixmaps: drawn at the screen's whole scale and tagged
// with it, and the program icon with its larger sizes.
#include <QTest>

#include "PictureImages.h"
#include "ProgramIcon.h"
#include "QtImage.h"
#include "TilePictures.h"
#include "TileSetList.h"

using namespace tenebrix;

namespace {
// The device pixels alone, to compare with a drawing at the same scale.
QImage asRgba(const QPixmap& pixmap) {
    QImage image = pixmap.toImage().convertToFormat(QImage::Format_RGBA8888);
    image.setDevicePixelRatio(1.0);
    return image;
}
}  // namespace

class TestPictureImages : public QObject {
    Q_OBJECT

  private slots:
    void tileAtRatioTwoIsTheScaleTwoDrawing() {
        const QPixmap tile = qt::tilePicture(1, 2.0);
        QCOMPARE(tile.size(), QSize(64, 64));
        QCOMPARE(tile.devicePixelRatio(), 2.0);
        QCOMPARE(tile.deviceIndependentSize(), QSizeF(32, 32));
        QCOMPARE(asRgba(tile), qt::toQImage(pictures::tilePicture(1, 2)));
    }

    void imageKeepsColoursAndTransparency() {
        const QImage tile = qt::toQImage(pictures::tilePicture(1));
        QCOMPARE(tile.pixelColor(0, 0).alpha(), 0);
        QCOMPARE(tile.pixelColor(16, 16), QColor(0, 255, 255));
        QCOMPARE(tile.pixelColor(3, 3), QColor(255, 255, 255));
        QVERIFY(qt::toQImage(pictures::Image()).isNull());
    }

    void ratioRoundsUpToAWholeScale_data() {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<int>("scale");
        QTest::newRow("1") << 1.0 << 1;
        QTest::newRow("1.25") << 1.25 << 2;
        QTest::newRow("1.5") << 1.5 << 2;
        QTest::newRow("2 with rounding noise") << 2.0000000001 << 2;
        QTest::newRow("2.5") << 2.5 << 3;
        QTest::newRow("0") << 0.0 << 1;
        QTest::newRow("negative") << -2.0 << 1;
        QTest::newRow("not a number") << qQNaN() << 1;
        QTest::newRow("absurd") << 1e9 << 16;
    }

    void ratioRoundsUpToAWholeScale() {
        QFETCH(qreal, ratio);
        QFETCH(int, scale);
        QCOMPARE(qt::wholeScaleFor(ratio), scale);
        const QPixmap diagram = qt::modeDiagram(4, ratio);
        QCOMPARE(diagram.size(), QSize(55 * scale, 55 * scale));
        QCOMPARE(diagram.devicePixelRatio(), qreal(scale));
    }

    void otherPicturesAtTheirSizes() {
        QCOMPARE(qt::logoFrame(0, 3.0).size(), QSize(363, 363));
        QCOMPARE(qt::aboutPicture(2.0).size(), QSize(56, 56));
        QVERIFY(qt::tilePicture(17).isNull());
        QVERIFY(qt::modeDiagram(0).isNull());
        QVERIFY(qt::logoFrame(6).isNull());
    }

    void iconHasLargerSizes() {
        const QIcon icon = qt::programIcon();
        const QList<QSize> sizes = icon.availableSizes();
        for (const int side : {32, 64, 128, 256}) QVERIFY(sizes.contains(QSize(side, side)));
        QCOMPARE(asRgba(icon.pixmap(QSize(256, 256))), qt::toQImage(pictures::programIcon(8)));
    }

    void tileSetList() {
        const qt::TileSetList list;
        QCOMPARE(list.count(), 16);
        QCOMPARE(list.text(16), QString("Change all tiles to black"));
        QVERIFY(list.text(0).isEmpty());
        QVERIFY(list.picture(0).isNull());
        QCOMPARE(asRgba(list.picture(5, 2.0)), qt::toQImage(pictures::tilePicture(5, 2)));
        QCOMPARE(list.picture(5, 2.0).devicePixelRatio(), 2.0);
    }
};

QTEST_MAIN(TestPictureImages)
#include "test_pictureimages.moc"
