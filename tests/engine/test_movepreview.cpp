// SPDX-License-Identifier: GPL-3.0-or-later
// The move preview: marks behind the tiles a click would flip, and their
// clearing.
#include <QtTest>

#include "GameFixture.h"

using namespace tenebrix;
using tenebrix::testing::GameFixture;

Q_DECLARE_METATYPE(std::vector<int>)

namespace {
// The tiles showing the highlight on screen; empty-handed with a bogus tile 0
// if the screen and the game disagree about any tile's colour.
std::vector<int> markedTiles(const GameFixture& f) {
    std::vector<int> marked;
    for (int tile = 1; tile <= kTileCount; ++tile) {
        if (f.display.backColours[tile - 1] != f.game.preview().backColour(tile)) return {0};
        if (f.display.backColours[tile - 1] == kHighlightColour) marked.push_back(tile);
    }
    return marked;
}
}  // namespace

class MovePreviewTest : public QObject {
    Q_OBJECT
  private slots:
    void previewMarksTheMove_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("tile");
        QTest::addColumn<std::vector<int>>("marked");
        QTest::newRow("plus at the centre") << 1 << 13 << std::vector<int>{8, 12, 13, 14, 18};
        QTest::newRow("cross at a corner") << 2 << 1 << std::vector<int>{1, 7};
        QTest::newRow("ring leaves the centre")
            << 9 << 13 << std::vector<int>{7, 8, 9, 12, 14, 17, 18, 19};
        QTest::newRow("mode 7 at the last tile") << 7 << 25 << std::vector<int>{19, 24, 25};
    }
    void previewMarksTheMove() {
        QFETCH(int, mode);
        QFETCH(int, tile);
        QFETCH(std::vector<int>, marked);
        GameFixture f;
        f.game.ScrollMode_Change(mode);
        f.game.picTile_MouseMove(tile);
        QCOMPARE(markedTiles(f), marked);
        QCOMPARE(f.game.preview().shownTile(), tile);
        // What the preview promises is what the click flips.
        const PuzzleValue before = f.game.currentValue();
        f.game.picTile_Click(tile);
        PuzzleValue promised = 0;
        for (int t : marked) promised |= tileBit(t);
        QCOMPARE(f.game.currentValue() ^ before, promised);
        QCOMPARE(markedTiles(f), marked);  // the click leaves the marks alone
    }

    void crossingAGapClearsThenMarksTheNextTile() {
        GameFixture f;
        f.game.picTile_MouseMove(13);
        f.game.HideMove();
        QCOMPARE(markedTiles(f), std::vector<int>{});
        // Cleared tiles turn light grey; never-marked ones keep the default.
        QCOMPARE(f.display.backColours[12], kNormalColour);
        QCOMPARE(f.display.backColours[0], kPlatformBackColour);
        QCOMPARE(f.game.preview().shownTile(), 0);
        f.game.picTile_MouseMove(14);
        QCOMPARE(markedTiles(f), (std::vector<int>{9, 13, 14, 15, 19}));
    }

    // Without a move over the gap, the old marks stay and the new ones add.
    void jumpingStraightToAnotherTileAddsMarks() {
        GameFixture f;
        f.game.picTile_MouseMove(1);
        f.game.picTile_MouseMove(3);
        QCOMPARE(markedTiles(f), (std::vector<int>{1, 2, 3, 4, 6, 8}));
    }

    // A label, a new puzzle or a reset only forget the tile: the marks stay
    // and the next pointer move over that tile draws them again.
    void forgettingTheTileKeepsTheMarks() {
        GameFixture f;
        f.game.mnuTileNumbers_Click();
        f.game.picTile_MouseMove(8);
        const auto expected = markedTiles(f);
        f.game.lblTileNumbers_MouseMove();
        QCOMPARE(f.game.preview().shownTile(), 0);
        QCOMPARE(markedTiles(f), expected);
        f.game.picTile_MouseMove(8);
        QCOMPARE(f.game.preview().shownTile(), 8);
        f.game.cmdNewPuzzle_Click();
        QCOMPARE(f.game.preview().shownTile(), 0);
        f.game.cmdReset_Click();
        QCOMPARE(f.game.preview().shownTile(), 0);
        QCOMPARE(markedTiles(f), expected);
    }

    // A mode changed without the pointer leaving the tile leaves the old
    // marks; the next pointer move adds the new mode's marks to them.
    void modeChangeUnderThePointerAddsTheNewShape() {
        GameFixture f;
        f.game.picTile_MouseMove(13);
        f.game.ScrollMode_Change(2);
        f.game.picTile_MouseMove(13);
        QCOMPARE(markedTiles(f), (std::vector<int>{7, 8, 9, 12, 13, 14, 17, 18, 19}));
    }
};

QTEST_GUILESS_MAIN(MovePreviewTest)
#include "test_movepreview.moc"
