// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures as Qt pixmaps at the screen's scale, the icon and the tile-set pictures.
#include <QTest>

#include "PictureImages.h"
#include "ProgramIcon.h"
#include "QtImage.h"
#include "TilePictures.h"
#include "TileSetList.h"

using namespace tenebrix;

// The device pixels alone, to compare with a drawing at the same scale.
static QImage asRgba(const QPixmap& pixmap) {
    QImage image = pixmap.toImage().convertToFormat(QImage::Format_RGBA8888);
    image.setDevicePixelRatio(1.0);
    return image;
}

class TestPictureImages : public QObject {
    Q_OBJECT

  private slots:
    // Ratios like 2.0000001 come from arithmetic on 2; NaN still gets a picture.
    void picturesAtTheScreensScale() {
        const QPixmap tile = qt::tilePicture(1, 2.0);
        QCOMPARE(tile.devicePixelRatio(), 2.0);
        QCOMPARE(asRgba(tile), qt::toQImage(pictures::tilePicture(1, 2)));
        QCOMPARE(qt::tilePicture(1, 2.0000000001).size(), QSize(64, 64));
        QCOMPARE(qt::tilePicture(1, qQNaN()).size(), QSize(32, 32));
        const QIcon icon = qt::programIcon();
        for (int side : {64, 128, 256}) QVERIFY(icon.availableSizes().contains(QSize(side, side)));
        QCOMPARE(asRgba(icon.pixmap(QSize(256, 256))), qt::toQImage(pictures::programIcon(8)));
        const qt::TileSetList list;
        QCOMPARE(asRgba(list.picture(5, 2.0)), qt::toQImage(pictures::tilePicture(5, 2)));
        QVERIFY(list.count() == 16 && list.picture(17).isNull());
    }
};

QTEST_MAIN(TestPictureImages)
#include "test_pictureimages.moc"
