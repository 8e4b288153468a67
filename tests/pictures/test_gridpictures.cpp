// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures made of cells between 1-pixel lines: the mode diagrams against
// the moves' pattern table, the splash logo's frames, the program icon and
// the About picture; and every kind of picture drawn at scale 2.
#include <QTest>

#include "LogoFrames.h"
#include "ModeDiagrams.h"
#include "PatternTable.h"
#include "ProgramIcon.h"
#include "TilePictures.h"

using namespace tenebrix;
using namespace tenebrix::pictures;

Q_DECLARE_METATYPE(Image)

namespace {
const Rgba kBlack{0, 0, 0};
const Rgba kWhite{255, 255, 255};
const Rgba kSilver{192, 192, 192};
const Rgba kPaleSilver{191, 191, 191};
const Rgba kYellow{255, 255, 0};
const Rgba kCyan{0, 255, 255};
const Rgba kTeal{0, 128, 128};

// Whether the size x size cell at (left, top) is a black outline around `face`.
bool isCell(const Image& image, int left, int top, int size, Rgba face) {
    const int right = left + size - 1;
    const int bottom = top + size - 1;
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            const bool outline = x == left || y == top || x == right || y == bottom;
            if (image.pixel(x, y) != (outline ? kBlack : face)) return false;
        }
    }
    return true;
}

// Whether every row and column at a multiple of `step` is `colour` throughout.
bool hasLines(const Image& image, int step, Rgba colour) {
    for (int at = 0; at < image.width; at += step) {
        for (int along = 0; along < image.width; ++along) {
            if (image.pixel(at, along) != colour || image.pixel(along, at) != colour) return false;
        }
    }
    return true;
}
}  // namespace

class TestGridPictures : public QObject {
    Q_OBJECT

  private slots:
    void modeDiagramsAgreeWithThePatternTable() {
        for (int mode = 1; mode <= kMaxMode; ++mode) {
            const Image diagram = modeDiagram(mode);
            QCOMPARE(diagram.width, 55);
            QVERIFY(hasLines(diagram, 18, kSilver));
            for (int dRow = -1; dRow <= 1; ++dRow) {
                for (int dColumn = -1; dColumn <= 1; ++dColumn) {
                    const bool flips = patternFlips(mode, dRow, dColumn);
                    QVERIFY2(isCell(diagram, 19 + 18 * dColumn, 19 + 18 * dRow, 17,
                                    flips ? kYellow : kBlack),
                             qPrintable(
                                 QString("mode %1 cell %2, %3").arg(mode).arg(dRow).arg(dColumn)));
                }
            }
        }
    }

    void logoFramesShowTheSolvingBoard_data() {
        QTest::addColumn<int>("frame");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("0") << 0 << QStringList{"XX.XX", "X.X.X", ".XXX.", "X.X.X", "XX.XX"};
        QTest::newRow("1") << 1 << QStringList{"XX.XX", "X...X", ".....", "X...X", "XX.XX"};
        QTest::newRow("2") << 2 << QStringList{"...XX", "....X", ".....", "X...X", "XX.XX"};
        QTest::newRow("3") << 3 << QStringList{".....", ".....", ".....", "X...X", "XX.XX"};
        QTest::newRow("4") << 4 << QStringList{".....", ".....", ".....", "....X", "...XX"};
        QTest::newRow("5") << 5 << QStringList{".....", ".....", ".....", ".....", "....."};
    }

    void logoFramesShowTheSolvingBoard() {
        QFETCH(int, frame);
        QFETCH(QStringList, rows);
        const PuzzleValue value = logoFrameValue(frame);
        const Image picture = logoFrame(frame);
        QCOMPARE(picture.width, 121);
        QVERIFY(hasLines(picture, 24, kPaleSilver));
        for (int row = 0; row < 5; ++row) {
            for (int column = 0; column < 5; ++column) {
                const bool expectLit = rows[row][column] == 'X';
                QCOMPARE(isLit(value, 5 * row + column + 1), expectLit);
                QVERIFY(isCell(picture, 1 + 24 * column, 1 + 24 * row, 23,
                               expectLit ? kYellow : kBlack));
            }
        }
    }

    // A mode-1 move: the centre and the four tiles beside it cyan, the
    // corners teal; the icon framed to look raised, the About picture between
    // silver lines.
    void iconAndAboutPictureShowAModeOneMove() {
        const Image icon = programIcon();
        QCOMPARE(icon.width, 32);
        QCOMPARE(icon.pixel(31, 0), kBlack);
        QCOMPARE(icon.pixel(0, 31), kBlack);
        for (int i = 1; i < 31; ++i) {
            QCOMPARE(icon.pixel(i, 0), kBlack);
            QCOMPARE(icon.pixel(0, i), kBlack);
            QCOMPARE(icon.pixel(31, i), kWhite);
            QCOMPARE(icon.pixel(i, 31), kWhite);
        }
        const Image about = aboutPicture();
        QCOMPARE(about.width, 28);
        QVERIFY(hasLines(about, 9, kSilver));
        for (int row = 0; row < 3; ++row) {
            for (int column = 0; column < 3; ++column) {
                const Rgba face = row == 1 || column == 1 ? kCyan : kTeal;
                QVERIFY(isCell(icon, 2 + 10 * column, 2 + 10 * row, 8, face));
                QVERIFY(isCell(about, 1 + 9 * column, 1 + 9 * row, 8, face));
            }
        }
    }

    // At scale 2 every pixel becomes a 2 x 2 block, so pictures stay sharp on
    // dense screens. One of each kind: all of a kind are drawn by one code.
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
        for (int y = 0; y < doubled.height; ++y)
            for (int x = 0; x < doubled.width; ++x)
                if (doubled.pixel(x, y) != original.pixel(x / 2, y / 2))
                    QFAIL(qPrintable(QString("pixel (%1, %2)").arg(x).arg(y)));
    }
};

QTEST_GUILESS_MAIN(TestGridPictures)
#include "test_gridpictures.moc"
