// SPDX-License-Identifier: GPL-3.0-or-later
// The Windows icon file writer, read back by Qt's own .ico reader: every
// picture comes back pixel for pixel, palette or full colour, at every size.
#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QTest>

#include "IconFile.h"
#include "ProgramIcon.h"
#include "TilePictures.h"

using namespace tenebrix;
using namespace tenebrix::pictures;

Q_DECLARE_METATYPE(Image)

namespace {

QList<QImage> readIcons(const std::vector<std::uint8_t>& bytes) {
    QByteArray data(reinterpret_cast<const char*>(bytes.data()),
                    static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "ico");
    QList<QImage> images;
    for (int i = 0; i < reader.imageCount(); ++i) {
        reader.jumpToImage(i);
        images.append(reader.read().convertToFormat(QImage::Format_ARGB32));
    }
    return images;
}

// The first pixel that differs, as text; empty when none does.
QString firstDifference(const Image& want, const QImage& got) {
    if (got.width() != want.width || got.height() != want.height)
        return QStringLiteral("size %1x%2").arg(got.width()).arg(got.height());
    for (int y = 0; y < want.height; ++y) {
        for (int x = 0; x < want.width; ++x) {
            const Rgba w = want.pixel(x, y);
            const QRgb g = got.pixel(x, y);
            const bool same = w.alpha == 0
                                  ? qAlpha(g) == 0
                                  : QColor::fromRgba(g) == QColor(w.red, w.green, w.blue, w.alpha);
            if (!same) return QStringLiteral("pixel (%1, %2): %3").arg(x).arg(y).arg(g, 8, 16);
        }
    }
    return {};
}

}  // namespace

class TestIconFile : public QObject {
    Q_OBJECT

  private slots:
    void picturesComeBackAsDrawn_data() {
        QTest::addColumn<Image>("picture");
        QTest::newRow("icon 32, palette") << programIcon(1);
        QTest::newRow("icon 256, palette") << programIcon(8);
        QTest::newRow("icon 16, shrunk, many colours") << icons::shrunk(programIcon(1), 2);
        QTest::newRow("icon 48, shrunk") << icons::shrunk(programIcon(3), 2);
        QTest::newRow("tile, transparent margin") << tilePicture(1);
        QTest::newRow("one pixel") << Image(1, 1, Rgba{1, 2, 3});
        Image halfSeen(7, 7, Rgba{10, 20, 30, 128});
        halfSeen.pixel(6, 0) = Rgba{0, 0, 0, 0};
        QTest::newRow("odd side, half transparent") << halfSeen;
    }
    void picturesComeBackAsDrawn() {
        QFETCH(Image, picture);
        // Beside a picture of another size, so the directory's offsets count too.
        const QList<QImage> read =
            readIcons(icons::iconFile({Image(3, 3, Rgba{9, 9, 9}), picture}));
        QCOMPARE(read.size(), 2);
        QCOMPARE(firstDifference(picture, read[1]), QString());
    }

    // Programs that ignore the alpha channel go by the 1-bit mask, the last
    // rows of the file, leftmost pixel in the high bit, rows padded to 4 bytes.
    void transparentPixelsAreMaskedForOldReaders() {
        Image row(8, 8, Rgba{1, 2, 3});  // the top row is stored last
        row.pixel(0, 0) = Rgba{0, 0, 0, 0};
        row.pixel(1, 0) = Rgba{0, 0, 0, 0};
        const std::vector<std::uint8_t> bytes = icons::iconFile({row});
        QCOMPARE(std::vector<std::uint8_t>(bytes.end() - 4, bytes.end()),
                 (std::vector<std::uint8_t>{0xC0, 0, 0, 0}));
    }

    void shrinkingTakesTheMeanOfEachBlock() {
        Image picture(4, 2, Rgba{0, 0, 0});
        picture.pixel(0, 0) = Rgba{255, 255, 255};
        picture.pixel(3, 1) = Rgba{100, 0, 0, 0};
        const Image small = icons::shrunk(picture, 2);
        QCOMPARE(small.width, 2);
        QCOMPARE(small.height, 1);
        QVERIFY(small.pixel(0, 0) == (Rgba{64, 64, 64, 255}));
        QVERIFY(small.pixel(1, 0) == (Rgba{25, 0, 0, 191}));
    }

    void refusesPicturesNoIconCanHold() {
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, icons::iconFile({Image(2, 3, Rgba{})}));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, icons::iconFile({Image(257, 257, Rgba{})}));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, icons::shrunk(Image(3, 3, Rgba{}), 2));
    }
};

QTEST_GUILESS_MAIN(TestIconFile)
#include "test_iconfile.moc"
