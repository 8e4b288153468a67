// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures made of cells: the mode diagrams against the moves' pattern
// table, the splash logo's frames, the program icon and the About picture;
// and every kind of picture drawn at scale 2.
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
const Rgba kYellow{255, 255, 0};
const Rgba kCyan{0, 255, 255};
const Rgba kTeal{0, 128, 128};

// Whether `image` is a square grid of cells `step` pixels apart between lines
// of `line`, each cell a black outline around a face, lit where `layout` (row
// by row) has an 'X'.
bool isGrid(const Image& image, const QString& layout, int step, Rgba line, Rgba lit, Rgba dark) {
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const int u = x % step, v = y % step, across = image.width / step;
            const bool outline = u == 1 || v == 1 || u == step - 1 || v == step - 1;
            const Rgba face = layout.mid(y / step * across + x / step, 1) == "X" ? lit : dark;
            const Rgba want = u == 0 || v == 0 ? line : outline ? kBlack : face;
            if (image.pixel(x, y) != want) return false;
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
            QString layout;
            for (int cell = 0; cell < 9; ++cell)
                layout += patternFlips(mode, cell / 3 - 1, cell % 3 - 1) ? 'X' : '.';
            const Image diagram = modeDiagram(mode);
            QCOMPARE(diagram.width, 55);
            QVERIFY2(isGrid(diagram, layout, 18, kSilver, kYellow, kBlack), qPrintable(layout));
        }
    }

    // Five mode-1 moves solve the logo's board: centre first, then corners.
    void logoFramesShowTheSolvingBoard() {
        const char* const frames[] = {"XX.XXX.X.X.XXX.X.X.XXX.XX", "XX.XXX...X.....X...XXX.XX",
                                      "...XX....X.....X...XXX.XX", "...............X...XXX.XX",
                                      "...................X...XX", "........................."};
        for (int frame = 0; frame < 6; ++frame) {
            const Image picture = logoFrame(frame);
            QCOMPARE(picture.width, 121);
            QVERIFY2(isGrid(picture, frames[frame], 24, Rgba{191, 191, 191}, kYellow, kBlack),
                     qPrintable(QString::number(frame)));
        }
    }

    // A mode-1 move: the centre and the four tiles beside it cyan, the
    // corners teal; the icon framed to look raised, the About picture between
    // silver lines.
    void iconAndAboutPictureShowAModeOneMove() {
        const Image icon = programIcon();
        QCOMPARE(icon.width, 32);
        QVERIFY(icon.pixel(31, 0) == kBlack && icon.pixel(0, 31) == kBlack);
        for (int i = 1; i < 31; ++i)
            QVERIFY(icon.pixel(i, 0) == kBlack && icon.pixel(0, i) == kBlack &&
                    icon.pixel(31, i) == kWhite && icon.pixel(i, 31) == kWhite);
        const Image about = aboutPicture();
        QCOMPARE(about.width, 28);
        QVERIFY(isGrid(about, ".X.XXX.X.", 9, kSilver, kCyan, kTeal));
        // The icon's tiles are the About picture's, 2 pixels apart.
        for (int y = 0; y < 28; ++y)
            for (int x = 0; x < 28; ++x)
                if (x % 9 && y % 9)
                    QCOMPARE(icon.pixel(x + 1 + x / 9, y + 1 + y / 9), about.pixel(x, y));
    }

    // At scale 2 every pixel becomes a 2 x 2 block, so pictures stay sharp on
    // dense screens. One of each kind: all of a kind are drawn by one code.
    void scaleTwoDoublesEveryPixel_data() {
        QTest::addColumn<Image>("original");
        QTest::addColumn<Image>("doubled");
        QTest::newRow("lit tile") << tilePicture(1) << tilePicture(1, 2);
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
