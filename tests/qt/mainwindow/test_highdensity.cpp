// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures on a screen of twice the usual density: each box shows its picture drawn
// at scale 2, pixel for pixel, never a stretched scale-1 drawing.
#include <QApplication>
#include <QPainter>

#include "MainWindowFixture.h"
#include "PictureBox.h"
#include "PictureImages.h"
#include "QtColour.h"
#include "ScopedEnvironment.h"
#include "frmSplash.h"

using namespace tenebrix;
using namespace tenebrix::testing;

constexpr qreal kRatio = 2.0;

class HighDensityTest : public QObject {
    Q_OBJECT

  private slots:
    void boxesShowTheirPictureDrawnAtScaleTwo_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QPixmap>("drawing");
        // The first puzzle presses 7 and 13 in mode 1: tile 7 lit, tile 1 dark.
        QTest::newRow("lit tile") << "picTile(7)" << qt::tilePicture(1, kRatio);
        QTest::newRow("dark tile") << "picTile(1)" << qt::tilePicture(2, kRatio);
        QTest::newRow("splash logo") << "picLogo(0)" << qt::logoFrame(0, kRatio);
        // Each mode's box, shown or not, holds that mode's diagram.
        for (int mode : {1, 9})
            QTest::addRow("mode %d", mode)
                << controlName("picMode", mode) << qt::modeDiagram(mode, kRatio);
    }

    void boxesShowTheirPictureDrawnAtScaleTwo() {
        QFETCH(QString, box);
        QFETCH(QPixmap, drawing);
        MainWindowFixture main({7, 13});
        startup::frmSplash splash([] {});
        auto* shownBox = main.window->findChild<qt::PictureBox*>(box);
        if (!shownBox) shownBox = splash.findChild<qt::PictureBox*>(box);
        QVERIFY(shownBox);
        QCOMPARE(shownBox->devicePixelRatioF(), kRatio);
        // The drawing over the box's back colour, which shows where it is transparent.
        QImage expected(drawing.size(), QImage::Format_RGB32);
        expected.fill(qt::toQColor(shownBox->backColour(), shownBox->palette()));
        QImage drawn = drawing.toImage();
        drawn.setDevicePixelRatio(1);
        QPainter(&expected).drawImage(0, 0, drawn);
        QImage shown = shownBox->grab().toImage().convertToFormat(QImage::Format_RGB32);
        shown.setDevicePixelRatio(1);
        QCOMPARE(shown.copy(QRect(shownBox->insideRect().topLeft() * kRatio, expected.size())),
                 expected);
    }
};

// The ratio has to be set before the application starts.
int main(int argc, char** argv) {
    const ScopedEnvironment scale("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    HighDensityTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_highdensity.moc"
