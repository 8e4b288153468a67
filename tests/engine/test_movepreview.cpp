// SPDX-License-Identifier: GPL-3.0-or-later
// The move preview: marks behind the tiles a click would flip, and their clearing.
#include <QtTest>

#include "GameFixture.h"

using namespace tenebrix;
using tenebrix::testing::GameFixture;

Q_DECLARE_METATYPE(std::vector<int>)

namespace {
std::vector<int> tilesShowing(const GameFixture& f, Colour colour) {
    std::vector<int> tiles;
    for (int tile = 1; tile <= kTileCount; ++tile)
        if (f.display.backColours[tile - 1] == colour) tiles.push_back(tile);
    return tiles;
}

}  // namespace

class MovePreviewTest : public QObject {
    Q_OBJECT
  private slots:
    // Steps, blank-separated: "13" the pointer onto tile 13, "gap" onto the
    // bare window, "label" onto a tile number, "click" on the last tile,
    // "mode2" a mode change, "new" and "reset" the commands.
    void marksFollowThePointer_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<std::vector<int>>("marked");
        QTest::addColumn<std::vector<int>>("cleared");  // light grey after a preview
        QTest::addColumn<int>("shown");
        using V = std::vector<int>;
        QTest::newRow("plus at the centre") << "13" << V{8, 12, 13, 14, 18} << V{} << 13;
        QTest::newRow("ring leaves the centre")
            << "mode9 13" << V{7, 8, 9, 12, 14, 17, 18, 19} << V{} << 13;
        QTest::newRow("mode 7 at the last tile, clicked")
            << "mode7 25 click" << V{19, 24, 25} << V{} << 25;
        QTest::newRow("back across a gap, marked afresh")
            << "13 gap 13" << V{8, 12, 13, 14, 18} << V{} << 13;
        QTest::newRow("a gap clears, then the next tile marks")
            << "13 gap 14" << V{9, 13, 14, 15, 19} << V{8, 12, 18} << 14;
        QTest::newRow("straight to another tile adds marks")
            << "1 3" << V{1, 2, 3, 4, 6, 8} << V{} << 3;
        QTest::newRow("a label forgets the tile, keeps the marks")
            << "8 label" << V{3, 7, 8, 9, 13} << V{} << 0;
        QTest::newRow("new puzzle and reset forget the tile")
            << "8 new 8 reset" << V{3, 7, 8, 9, 13} << V{} << 0;
        QTest::newRow("a mode change under the pointer adds the new shape")
            << "13 mode2 13" << V{7, 8, 9, 12, 13, 14, 17, 18, 19} << V{} << 13;
    }
    void marksFollowThePointer() {
        QFETCH(QString, script);
        QFETCH(std::vector<int>, marked);
        QFETCH(std::vector<int>, cleared);
        QFETCH(int, shown);
        GameFixture f;
        int last = 0;
        for (const QString& step : script.split(' ')) {
            if (step == "gap") f.game.HideMove();
            if (step == "label") f.game.lblTileNumbers_MouseMove();
            if (step == "click") f.game.picTile_Click(last);
            if (step == "new") f.game.cmdNewPuzzle_Click();
            if (step == "reset") f.game.cmdReset_Click();
            if (step.startsWith("mode")) f.game.ScrollMode_Change(step.mid(4).toInt());
            if (step.toInt() > 0) f.game.picTile_MouseMove(last = step.toInt());
        }
        QCOMPARE(tilesShowing(f, rgb(0, 255, 0)), marked);
        QCOMPARE(tilesShowing(f, rgb(192, 192, 192)), cleared);
        QCOMPARE(static_cast<int>(tilesShowing(f, kPlatformBackColour).size()),
                 kTileCount - static_cast<int>(marked.size() + cleared.size()));
        QCOMPARE(f.game.preview().shownTile(), shown);
    }
};

QTEST_GUILESS_MAIN(MovePreviewTest)
#include "test_movepreview.moc"
