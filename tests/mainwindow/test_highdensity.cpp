// Pictures on a screen of twice the usual density: each box shows its picture
// drawn from the rules at scale 2, pixel for pixel, never a stretched scale-1
// drawing. The whole run is at device pixel ratio 2.
#include <QApplication>
#include <QPainter>

#include "FakeLauncher.h"
#include "FakeRegistry.h"
#include "MainWindowFixture.h"
#include "PictureBox.h"
#include "PictureImages.h"
#include "QtColour.h"
#include "frmAbout.h"
#include "frmSplash.h"

using namespace tenebrix;
using namespace tenebrix::testing;

namespace {

constexpr qreal kRatio = 2.0;

QPixmap scaleTwoDrawing(const QString& kind, int index) {
    if (kind == "tile") return qt::tilePicture(index, kRatio);
    if (kind == "diagram") return qt::modeDiagram(index, kRatio);
    if (kind == "logo") return qt::logoFrame(index, kRatio);
    return qt::aboutPicture(kRatio);
}

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
    void boxesShowTheirPictureDrawnAtScaleTwo_data();
    void boxesShowTheirPictureDrawnAtScaleTwo();
};

void HighDensityTest::boxesShowTheirPictureDrawnAtScaleTwo_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("index");
    // The first puzzle presses 7 and 13 in mode 1: tile 7 lit, tile 1 dark.
    QTest::newRow("lit tile") << "main"
                              << "picTile(7)"
                              << "tile" << 1;
    QTest::newRow("dark tile") << "main"
                               << "picTile(1)"
                               << "tile" << 2;
    QTest::newRow("lit sample") << "main"
                                << "PicOn"
                                << "tile" << 1;
    QTest::newRow("dark sample") << "main"
                                 << "picOff"
                                 << "tile" << 2;
    QTest::newRow("mode diagram") << "main"
                                  << "picMode(1)"
                                  << "diagram" << 1;
    QTest::newRow("logo frame") << "splash"
                                << "picLogo(0)"
                                << "logo" << 0;
    QTest::newRow("About picture") << "about"
                                   << "picIcon"
                                   << "about" << 0;
}

void HighDensityTest::boxesShowTheirPictureDrawnAtScaleTwo() {
    QFETCH(QString, window);
    QFETCH(QString, box);
    QFETCH(QString, kind);
    QFETCH(int, index);
    MainWindowFixture main({7, 13});
    startup::frmSplash splash([] {});
    FakeRegistry registry;
    FakeLauncher launcher;
    startup::frmAbout about(registry, launcher, nullptr);
    QWidget* owner = window == "main"     ? static_cast<QWidget*>(main.window.get())
                     : window == "splash" ? static_cast<QWidget*>(&splash)
                                          : static_cast<QWidget*>(&about);
    auto* shownBox = owner->findChild<ui::PictureBox*>(box);
    QVERIFY(shownBox);
    QCOMPARE(shownBox->devicePixelRatioF(), kRatio);

    const QPixmap drawing = scaleTwoDrawing(kind, index);
    QCOMPARE(drawing.size(), drawing.deviceIndependentSize().toSize() * 2);
    const QImage expected =
        overBackColour(drawing, ui::toQColor(shownBox->backColour(), shownBox->palette()));
    QCOMPARE(shownPicture(shownBox, expected.size()), expected);
}

// The ratio has to be set before the application starts.
int main(int argc, char** argv) {
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    HighDensityTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_highdensity.moc"
