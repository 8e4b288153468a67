// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing at a whole scale: at scale 2 every picture pixel becomes a 2 x 2
// block, so pictures stay sharp on dense screens.
#include <QTest>

#include "LogoFrames.h"
#include "ModeDiagrams.h"
#include "ProgramIcon.h"
#include "TilePictures.h"

using namespace tenebrix::pictures;

Q_DECLARE_METATYPE(Image)

class TestScaling : public QObject {
    Q_OBJECT

  private slots:
    // One of each kind: all pictures of a kind are drawn by the same code.
    void scaleTwoDoublesEveryPixel_data() {
        QTest::addColumn<Image>("original");
        QTest::addColumn<Image>("doubled");
        QTest::newRow("lit tile") << tilePicture(1) << tilePicture(1, 2);
        QTest::newRow("dark tile") << tilePicture(2) << tilePicture(2, 2);
        QTest::newRow("mode 9") << modeDiagram(9) << modeDiagram(9, 2);
        QTest::newRow("logo 0") << logoFrame(0) << logoFrame(0, 2);
        QTest::newRow("icon") << programIcon() << programIcon(2);
        QTest::newRow("about") << aboutPicture() << aboutPicture(2);
    }

    void scaleTwoDoublesEveryPixel() {
        QFETCH(Image, original);
        QFETCH(Image, doubled);
        QCOMPARE(doubled.width, 2 * original.width);
        QCOMPARE(doubled.height, 2 * original.height);
        for (int y = 0; y < doubled.height; ++y) {
            for (int x = 0; x < doubled.width; ++x) {
                if (doubled.pixel(x, y) != original.pixel(x / 2, y / 2))
                    QFAIL(qPrintable(QString("pixel (%1, %2)").arg(x).arg(y)));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestScaling)
#include "test_scaling.moc"
