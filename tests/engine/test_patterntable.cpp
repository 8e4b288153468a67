// SPDX-License-Identifier: GPL-3.0-or-later
// The move patterns: which tiles each mode flips, clipped at the edges.
#include <QtTest>
#include <bit>
#include <cstdlib>
#include <vector>

#include "PatternTable.h"

using namespace tenebrix;

Q_DECLARE_METATYPE(std::vector<int>)

class PatternTableTest : public QObject {
    Q_OBJECT
  private slots:
    void flipsExactlyTheseTiles_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("tile");
        QTest::addColumn<std::vector<int>>("flipped");
        using V = std::vector<int>;
        QTest::newRow("plus, top-left corner") << 1 << 1 << V{1, 2, 6};
        QTest::newRow("cross, corner") << 2 << 1 << V{1, 7};
        QTest::newRow("mode 3, top edge") << 3 << 3 << V{3, 7, 8, 9};
        QTest::newRow("mode 4, left edge") << 4 << 6 << V{2, 6, 7, 12};
        QTest::newRow("mode 5, top row") << 5 << 3 << V{3, 8};
        QTest::newRow("mode 6, bottom row") << 6 << 23 << V{18, 23};
        QTest::newRow("mode 7, left column") << 7 << 6 << V{6, 7};
        QTest::newRow("mode 8, right column") << 8 << 15 << V{14, 15};
        QTest::newRow("ring, corner") << 9 << 1 << V{2, 6, 7};
        QTest::newRow("mode 0") << 0 << 13 << V{};
        QTest::newRow("tile 0") << 1 << 0 << V{};
    }
    void flipsExactlyTheseTiles() {
        QFETCH(int, mode);
        QFETCH(int, tile);
        QFETCH(std::vector<int>, flipped);
        PuzzleValue expected = 0;
        for (int other : flipped) expected |= tileBit(other);
        QCOMPARE(moveMask(mode, tile), expected);
    }

    void shapesAreWholeInsideAndNeverWrap() {
        const int shapeSizes[] = {5, 5, 7, 7, 5, 5, 5, 5, 8};
        for (int mode = 1; mode <= kMaxMode; ++mode) {
            QCOMPARE(std::popcount(unsigned(moveMask(mode, 13))), shapeSizes[mode - 1]);
            for (int tile = 1; tile <= kTileCount; ++tile) {
                const PuzzleValue mask = moveMask(mode, tile);
                QVERIFY((mask & ~kAllLit) == 0);
                QCOMPARE(isLit(mask, tile), mode != 9);
                for (int other = 1; other <= kTileCount; ++other)  // nothing wraps
                    QVERIFY(!isLit(mask, other) ||
                            (std::abs(tileRow(other) - tileRow(tile)) <= 1 &&
                             std::abs(tileColumn(other) - tileColumn(tile)) <= 1));
            }
        }
    }
};

QTEST_GUILESS_MAIN(PatternTableTest)
#include "test_patterntable.moc"
