// The splash logo's six frames: the board each shows, played with the
// engine's moves, and how it is drawn.
#include <QTest>
#include <bit>
#include <cstdint>

#include "GridChecks.h"
#include "LogoFrames.h"

using namespace tenebrix;
using namespace tenebrix::pictures;

namespace {
const Rgba kPaleSilver{191, 191, 191};
const Rgba kYellow{255, 255, 0};
const Rgba kBlack{0, 0, 0};
}  // namespace

class TestLogoFrames : public QObject {
    Q_OBJECT

  private slots:
    void framesShowTheSolvingBoard_data() {
        QTest::addColumn<int>("frame");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("litCount");
        QTest::newRow("0") << 0 << QStringList{"XX.XX", "X.X.X", ".XXX.", "X.X.X", "XX.XX"} << 17;
        QTest::newRow("1") << 1 << QStringList{"XX.XX", "X...X", ".....", "X...X", "XX.XX"} << 12;
        QTest::newRow("2") << 2 << QStringList{"...XX", "....X", ".....", "X...X", "XX.XX"} << 9;
        QTest::newRow("3") << 3 << QStringList{".....", ".....", ".....", "X...X", "XX.XX"} << 6;
        QTest::newRow("4") << 4 << QStringList{".....", ".....", ".....", "....X", "...XX"} << 3;
        QTest::newRow("5") << 5 << QStringList{".....", ".....", ".....", ".....", "....."} << 0;
    }

    void framesShowTheSolvingBoard() {
        QFETCH(int, frame);
        QFETCH(QStringList, rows);
        QFETCH(int, litCount);
        const PuzzleValue value = logoFrameValue(frame);
        const Image picture = logoFrame(frame);
        QCOMPARE(picture.width, 121);
        QCOMPARE(picture.height, 121);
        const QString lines = lineMismatch(picture, {0, 24, 48, 72, 96, 120}, kPaleSilver);
        QVERIFY2(lines.isEmpty(), qPrintable(lines));
        int lit = 0;
        for (int row = 0; row < 5; ++row) {
            for (int column = 0; column < 5; ++column) {
                const bool expectLit = rows[row][column] == 'X';
                lit += expectLit ? 1 : 0;
                QCOMPARE(isLit(value, 5 * row + column + 1), expectLit);
                const QString cell = cellMismatch(picture, 1 + 24 * column, 1 + 24 * row, 23,
                                                  expectLit ? kYellow : kBlack);
                QVERIFY2(cell.isEmpty(), qPrintable(cell));
            }
        }
        QCOMPARE(lit, litCount);
        QCOMPARE(std::popcount(static_cast<std::uint32_t>(value)), litCount);
    }

    void noFrameOutsideTheAnimation() {
        for (const int frame : {-1, 6}) {
            QVERIFY(logoFrame(frame).isEmpty());
            QCOMPARE(logoFrameValue(frame), 0);
        }
    }
};

QTEST_GUILESS_MAIN(TestLogoFrames)
#include "test_logoframes.moc"
