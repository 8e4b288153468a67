// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures as Qt pixmaps: drawn at the screen's whole scale and tagged
// with it, the program icon with its larger sizes, and the tile-set list.
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
        QCOMPARE(asRgba(tile), qt::toQImage(pictures::tilePicture(1, 2)));
        QCOMPARE(asRgba(tile).pixelColor(0, 0).alpha(), 0);
        QCOMPARE(asRgba(tile).pixelColor(32, 32), QColor(0, 255, 255));
        // Ratios such as 2.0000001 come from arithmetic on 2; a ratio that is
        // no number still gets a picture.
        QCOMPARE(qt::tilePicture(1, 2.0000000001).size(), QSize(64, 64));
        QCOMPARE(qt::tilePicture(1, qQNaN()).size(), QSize(32, 32));
    }

    void iconHasLargerSizes() {
        const QIcon icon = qt::programIcon();
        for (const int side : {32, 64, 128, 256})
            QVERIFY(icon.availableSizes().contains(QSize(side, side)));
        QCOMPARE(asRgba(icon.pixmap(QSize(256, 256))), qt::toQImage(pictures::programIcon(8)));
    }

    void tileSetListGivesPicturesAndTexts() {
        const qt::TileSetList list;
        QCOMPARE(list.count(), 16);
        QCOMPARE(list.text(16), QString("Change all tiles to black"));
        QCOMPARE(asRgba(list.picture(5, 2.0)), qt::toQImage(pictures::tilePicture(5, 2)));
        QVERIFY(list.picture(17).isNull());
    }
};

QTEST_MAIN(TestPictureImages)
#include "test_pictureimages.moc"
