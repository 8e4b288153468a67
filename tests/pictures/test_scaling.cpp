// Drawing at a whole scale: every picture pixel becomes a k x k block, and
// scales out of range are brought back into range instead of failing.
#include <QTest>
#include <functional>

#include "Canvas.h"
#include "LogoFrames.h"
#include "ModeDiagrams.h"
#include "ProgramIcon.h"
#include "RgbaToString.h"
#include "TilePictures.h"

using namespace tenebrix::pictures;

using Drawing = std::function<Image(int scale)>;
Q_DECLARE_METATYPE(Drawing)

namespace {
// Where the enlarged picture differs from the original blown up block by block.
QString blockMismatch(const Image& original, const Image& enlarged, int scale) {
    if (enlarged.width != original.width * scale || enlarged.height != original.height * scale)
        return QString("size %1 x %2").arg(enlarged.width).arg(enlarged.height);
    for (int y = 0; y < enlarged.height; ++y) {
        for (int x = 0; x < enlarged.width; ++x) {
            if (!(enlarged.pixel(x, y) == original.pixel(x / scale, y / scale)))
                return QString("pixel (%1, %2)").arg(x).arg(y);
        }
    }
    return {};
}
}  // namespace

class TestScaling : public QObject {
    Q_OBJECT

  private slots:
    void everyPictureScalesBlockByBlock_data() {
        QTest::addColumn<Drawing>("draw");
        for (int i = 1; i <= kTilePictureCount; ++i)
            QTest::addRow("tile %d", i) << Drawing([i](int k) { return tilePicture(i, k); });
        for (int mode = 1; mode <= 9; ++mode)
            QTest::addRow("mode %d", mode)
                << Drawing([mode](int k) { return modeDiagram(mode, k); });
        for (int frame = 0; frame < kLogoFrameCount; ++frame)
            QTest::addRow("logo %d", frame)
                << Drawing([frame](int k) { return logoFrame(frame, k); });
        QTest::newRow("icon") << Drawing(programIcon);
        QTest::newRow("about") << Drawing(aboutPicture);
    }

    void everyPictureScalesBlockByBlock() {
        QFETCH(Drawing, draw);
        const Image original = draw(1);
        for (const int scale : {2, 3}) {
            const QString wrong = blockMismatch(original, draw(scale), scale);
            QVERIFY2(wrong.isEmpty(), qPrintable(QString("scale %1: %2").arg(scale).arg(wrong)));
        }
        // A scale below 1 draws the picture as it is; one above the limit stops there.
        QCOMPARE(draw(0), original);
        QCOMPARE(draw(-3), original);
        QCOMPARE(draw(1000).width, original.width * kMaxScale);
    }

    void canvasClipsAtThePictureEdges() {
        Canvas canvas(4, 3, 2, Rgba{0, 0, 0, 0});
        const Rgba red{255, 0, 0};
        canvas.fillRect(-2, -2, 3, 3, red);  // only (0, 0) lies inside
        canvas.fillRect(3, 2, 5, 5, red);    // only (3, 2) lies inside
        canvas.fillRect(1, 1, -4, 2, red);   // negative width: nothing
        canvas.setPixel(4, 0, red);          // just outside: nothing
        const Image& image = canvas.image();
        QCOMPARE(image.width, 8);
        QCOMPARE(image.height, 6);
        int redPixels = 0;
        for (const Rgba& pixel : image.pixels) redPixels += pixel == red ? 1 : 0;
        QCOMPARE(redPixels, 8);
        QCOMPARE(image.pixel(1, 1), red);
        QCOMPARE(image.pixel(7, 5), red);
    }
};

QTEST_GUILESS_MAIN(TestScaling)
#include "test_scaling.moc"
