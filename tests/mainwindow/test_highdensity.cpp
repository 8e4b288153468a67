// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures on a screen of twice the usual density: each box shows its picture
// drawn from the rules at scale 2, pixel for pixel, never a stretched scale-1
// drawing. The whole run is at device pixel ratio 2.
#include <QApplication>
#include <QPainter>

#include "ControlNames.h"
#include "MainWindowFixture.h"
#include "PictureBox.h"
#include "PictureImages.h"
#include "QtColour.h"
#include "frmSplash.h"

using namespace tenebrix;
using namespace tenebrix::testing;

namespace {

constexpr qreal kRatio = 2.0;

// The picture over the box's back colour, which shows where it is transparent.
QImage overBackColour(const QPixmap& picture, const QColor& back) {
    QImage result(picture.size(), QImage::Format_RGB32);
    result.fill(back);
    QImage drawn = picture.toImage();
    drawn.setDevicePixelRatio(1);
    QPainter painter(&result);
    painter.drawImage(0, 0, drawn);
    return result;
}

// The device pixels the box shows where its picture lies.
QImage shownPicture(ui::PictureBox* box, QSize devicePixels) {
    QImage shown = box->grab().toImage().convertToFormat(QImage::Format_RGB32);
    shown.setDevicePixelRatio(1);
    return shown.copy(QRect(box->insideRect().topLeft() * kRatio, devicePixels));
}

}  // namespace

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
        for (int mode : {1, 4, 9})
            QTest::addRow("mode %d", mode)
                << ui::arrayName("picMode", mode) << qt::modeDiagram(mode, kRatio);
    }

    void boxesShowTheirPictureDrawnAtScaleTwo() {
        QFETCH(QString, box);
        QFETCH(QPixmap, drawing);
        MainWindowFixture main({7, 13});
        startup::frmSplash splash([] {});
        auto* shownBox = main.window->findChild<ui::PictureBox*>(box);
        if (!shownBox) shownBox = splash.findChild<ui::PictureBox*>(box);
        QVERIFY(shownBox);
        QCOMPARE(shownBox->devicePixelRatioF(), kRatio);
        QCOMPARE(drawing.size(), drawing.deviceIndependentSize().toSize() * 2);
        const QImage expected =
            overBackColour(drawing, ui::toQColor(shownBox->backColour(), shownBox->palette()));
        QCOMPARE(shownPicture(shownBox, expected.size()), expected);
    }
};

// The ratio has to be set before the application starts.
int main(int argc, char** argv) {
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    HighDensityTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_highdensity.moc"
