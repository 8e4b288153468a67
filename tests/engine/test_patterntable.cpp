// SPDX-License-Identifier: GPL-3.0-or-later
// The move patterns: which tiles each mode flips, clipped at the edges.
#include <QtTest>
#include <bit>
#include <cstdlib>
#include <vector>

#include "PatternTable.h"

using namespace tenebrix;

Q_DECLARE_METATYPE(std::vector<int>)

namespace {
PuzzleValue tilesToValue(const std::vector<int>& tiles) {
    PuzzleValue value = 0;
    for (int tile : tiles) value |= tileBit(tile);
    return value;
}
}  // namespace

class PatternTableTest : public QObject {
    Q_OBJECT
  private slots:
    void flipsExactlyTheseTiles_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("tile");
        QTest::addColumn<std::vector<int>>("flipped");
        QTest::newRow("plus, top-left corner") << 1 << 1 << std::vector<int>{1, 2, 6};
        QTest::newRow("plus, centre") << 1 << 13 << std::vector<int>{8, 12, 13, 14, 18};
        QTest::newRow("plus, bottom-right corner") << 1 << 25 << std::vector<int>{20, 24, 25};
        QTest::newRow("plus, right edge does not wrap")
            << 1 << 10 << std::vector<int>{5, 9, 10, 15};
        QTest::newRow("cross, corner") << 2 << 1 << std::vector<int>{1, 7};
        QTest::newRow("cross, left edge") << 2 << 11 << std::vector<int>{7, 11, 17};
        QTest::newRow("mode 3, top edge") << 3 << 3 << std::vector<int>{3, 7, 8, 9};
        QTest::newRow("mode 4, left edge") << 4 << 6 << std::vector<int>{2, 6, 7, 12};
        QTest::newRow("mode 5, top row") << 5 << 3 << std::vector<int>{3, 8};
        QTest::newRow("mode 6, bottom row") << 6 << 23 << std::vector<int>{18, 23};
        QTest::newRow("mode 7, left column") << 7 << 6 << std::vector<int>{6, 7};
        QTest::newRow("mode 7, bottom-right") << 7 << 25 << std::vector<int>{19, 24, 25};
        QTest::newRow("mode 8, right column") << 8 << 15 << std::vector<int>{14, 15};
        QTest::newRow("mode 8, top-left") << 8 << 1 << std::vector<int>{1, 2, 7};
        QTest::newRow("ring, centre") << 9 << 13 << std::vector<int>{7, 8, 9, 12, 14, 17, 18, 19};
        QTest::newRow("ring, corner") << 9 << 1 << std::vector<int>{2, 6, 7};
        QTest::newRow("mode 0") << 0 << 13 << std::vector<int>{};
        QTest::newRow("tile 0") << 1 << 0 << std::vector<int>{};
    }
    void flipsExactlyTheseTiles() {
        QFETCH(int, mode);
        QFETCH(int, tile);
        QFETCH(std::vector<int>, flipped);
        QCOMPARE(moveMask(mode, tile), tilesToValue(flipped));
    }

    // Away from the edges every mode flips its whole shape; no move anywhere
    // reaches further than one row and one column, so nothing wraps.
    void shapesAreWholeInsideAndNeverWrap() {
        const int shapeSizes[] = {5, 5, 7, 7, 5, 5, 5, 5, 8};
        for (int mode = 1; mode <= kMaxMode; ++mode) {
            QCOMPARE(std::popcount(static_cast<unsigned>(moveMask(mode, 13))),
                     shapeSizes[mode - 1]);
            for (int tile = 1; tile <= kTileCount; ++tile) {
                const PuzzleValue mask = moveMask(mode, tile);
                QVERIFY((mask & ~kAllLit) == 0);
                for (int other = 1; other <= kTileCount; ++other) {
                    if (!isLit(mask, other)) continue;
                    QVERIFY2(
                        std::abs(tileRow(other) - tileRow(tile)) <= 1 &&
                            std::abs(tileColumn(other) - tileColumn(tile)) <= 1,
                        qPrintable(
                            QString("mode %1 tile %2 reaches %3").arg(mode).arg(tile).arg(other)));
                }
                QCOMPARE(isLit(mask, tile), mode != 9);
            }
        }
    }
};

QTEST_GUILESS_MAIN(PatternTableTest)
#include "test_patterntable.moc"
