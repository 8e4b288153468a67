// The nine mode diagrams: grid, cells, and agreement with the moves' pattern table.
#include <QTest>

#include "GridChecks.h"
#include "ModeDiagrams.h"
#include "PatternTable.h"

using namespace tenebrix;
using namespace tenebrix::pictures;

namespace {
const Rgba kSilver{192, 192, 192};
const Rgba kYellow{255, 255, 0};
const Rgba kBlack{0, 0, 0};
}  // namespace

class TestModeDiagrams : public QObject {
    Q_OBJECT

  private slots:
    void diagramMatchesPatternTable_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("markedCells");
        const int marked[] = {5, 5, 7, 7, 5, 5, 5, 5, 8};
        for (int mode = 1; mode <= 9; ++mode)
            QTest::addRow("mode %d", mode) << mode << marked[mode - 1];
    }

    void diagramMatchesPatternTable() {
        QFETCH(int, mode);
        QFETCH(int, markedCells);
        const Image diagram = modeDiagram(mode);
        QCOMPARE(diagram.width, 55);
        QCOMPARE(diagram.height, 55);
        const QString lines = lineMismatch(diagram, {0, 18, 36, 54}, kSilver);
        QVERIFY2(lines.isEmpty(), qPrintable(lines));
        int marked = 0;
        for (int dRow = -1; dRow <= 1; ++dRow) {
            for (int dColumn = -1; dColumn <= 1; ++dColumn) {
                const bool flips = patternFlips(mode, dRow, dColumn);
                marked += flips ? 1 : 0;
                const QString cell = cellMismatch(diagram, 19 + 18 * dColumn, 19 + 18 * dRow, 17,
                                                  flips ? kYellow : kBlack);
                QVERIFY2(cell.isEmpty(), qPrintable(cell));
            }
        }
        QCOMPARE(marked, markedCells);
    }

    void ringLeavesThePressedTileUnmarked() {
        const QString centre = cellMismatch(modeDiagram(9), 19, 19, 17, kBlack);
        QVERIFY2(centre.isEmpty(), qPrintable(centre));
    }

    void noDiagramOutsideTheModes() {
        for (const int mode : {-1, 0, 10}) QVERIFY(modeDiagram(mode).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestModeDiagrams)
#include "test_modediagrams.moc"
