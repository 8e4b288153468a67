// The program icon and the About picture: frame, tiles and colours.
#include <QTest>

#include "GridChecks.h"
#include "ProgramIcon.h"
#include "RgbaToString.h"

using namespace tenebrix::pictures;

namespace {
const Rgba kBlack{0, 0, 0};
const Rgba kWhite{255, 255, 255};
const Rgba kSilver{192, 192, 192};
const Rgba kCyan{0, 255, 255};
const Rgba kTeal{0, 128, 128};

// A mode-1 move pictured: the centre and the four tiles beside it cyan.
const Rgba kTileFaces[3][3] = {
    {kTeal, kCyan, kTeal},
    {kCyan, kCyan, kCyan},
    {kTeal, kCyan, kTeal},
};
}  // namespace

class TestProgramIcon : public QObject {
    Q_OBJECT

  private slots:
    void iconFrame() {
        const Image icon = programIcon();
        QCOMPARE(icon.width, 32);
        QCOMPARE(icon.height, 32);
        QCOMPARE(icon.pixel(31, 0), kBlack);
        QCOMPARE(icon.pixel(0, 31), kBlack);
        for (int i = 0; i < 32; ++i) {
            QCOMPARE(icon.pixel(i, 0), kBlack);
            QCOMPARE(icon.pixel(0, i), kBlack);
        }
        for (int i = 1; i < 32; ++i) {
            QCOMPARE(icon.pixel(31, i), kWhite);
            QCOMPARE(icon.pixel(i, 31), kWhite);
        }
        for (const Rgba& pixel : icon.pixels) QCOMPARE(pixel.alpha, 255);
    }

    void iconTilesOnSilver() {
        const Image icon = programIcon();
        const int origins[] = {2, 12, 22};
        for (int row = 0; row < 3; ++row) {
            for (int column = 0; column < 3; ++column) {
                const QString cell =
                    cellMismatch(icon, origins[column], origins[row], 8, kTileFaces[row][column]);
                QVERIFY2(cell.isEmpty(), qPrintable(cell));
            }
        }
        // The silver between frame and tiles and between the tiles.
        for (const int gap : {1, 10, 11, 20, 21, 30}) {
            for (int along = 1; along <= 30; ++along) {
                QCOMPARE(icon.pixel(gap, along), kSilver);
                QCOMPARE(icon.pixel(along, gap), kSilver);
            }
        }
    }

    void aboutPictureIsTheIconWithoutItsFrame() {
        const Image about = aboutPicture();
        QCOMPARE(about.width, 28);
        QCOMPARE(about.height, 28);
        const QString lines = lineMismatch(about, {0, 9, 18, 27}, kSilver);
        QVERIFY2(lines.isEmpty(), qPrintable(lines));
        for (int row = 0; row < 3; ++row) {
            for (int column = 0; column < 3; ++column) {
                const QString cell =
                    cellMismatch(about, 1 + 9 * column, 1 + 9 * row, 8, kTileFaces[row][column]);
                QVERIFY2(cell.isEmpty(), qPrintable(cell));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestProgramIcon)
#include "test_programicon.moc"
