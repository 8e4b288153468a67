// SPDX-License-Identifier: GPL-3.0-or-later
// Making, painting and resetting puzzles, the settings that make them, and
// long random play with the game's rules checked after every step.
#include <QtTest>

#include "GameFixture.h"
#include "TestSeed.h"

using namespace tenebrix;
using tenebrix::testing::GameFixture;

class PuzzleTest : public QObject {
    Q_OBJECT
  private slots:
    // Every puzzle presses exactly `level` distinct tiles and every tile can
    // be drawn; no presses at all leave a dark board.
    void puzzlesPressDistinctTilesAllOverTheBoard() {
        GameFixture f;
        PuzzleValue everDrawn = 0;
        for (int level : {2, 20}) {
            f.game.ScrollLevel_Change(level);
            for (int round = 0; round < 300; ++round) {
                f.game.cmdNewPuzzle_Click();
                const auto toGo = f.movesToGo();
                QCOMPARE(static_cast<int>(toGo.size()), level);
                for (int tile : toGo) everDrawn |= tileBit(tile);
            }
        }
        QCOMPARE(everDrawn, kAllLit);
        f.game.CreatePuzzle(1, -3);
        QCOMPARE(f.display.caption(Caption::PuzValue), std::string("0"));
        QVERIFY(f.movesToGo().empty());
        // Nine ring presses cancel out: the puzzle starts dark, and is not
        // won until a move has been played.
        f.game.ScrollMode_Change(9);
        f.game.ScrollLevel_Change(9);
        f.newPuzzle({1, 3, 5, 11, 13, 15, 21, 23, 25});
        QCOMPARE(f.display.caption(Caption::PuzValue), std::string(" 0"));
        f.click({7});
        QVERIFY(f.display.messages.empty());
    }

    // The puzzle's captions; a mode or level change makes a new puzzle and
    // forgets the hint; a tile set change repaints the same board and the
    // count goes on.
    void puzzleCaptionsAndSettingsChanges() {
        GameFixture f({1, 25});  // mode 1, level 2 at start: tiles 1 2 6 20 24 25
        QCOMPARE(f.display.caption(Caption::PuzValue), std::string(" 25690147"));
        QCOMPARE(f.movesToGo(), (std::vector<int>{1, 25}));
        QCOMPARE(f.display.tileNumberCaptions[24], std::string(" 25"));
        f.click({3, 4});
        f.game.cmdHint_Click();
        const PuzzleValue board = f.game.currentValue();
        const int paints = f.display.paints;
        f.game.ScrollTileSet_Change(8);
        QCOMPARE(f.display.paints, paints + 1);
        QCOMPARE(f.game.currentValue(), board);
        QCOMPARE(f.display.caption(Caption::Moves), std::string("2"));
        f.game.ScrollMode_Change(2);
        QCOMPARE(f.display.caption(Caption::Moves), std::string("0"));
        QVERIFY(!f.game.hintUsed());
        f.game.ScrollLevel_Change(7);
        QCOMPARE(static_cast<int>(f.movesToGo().size()), 7);
        f.game.ScrollMode_Change(42);  // out of range: kept to the last mode
        QCOMPARE(f.game.settings().mode, kMaxMode);
    }

    // Long random play in every mode: after every step the game's rules hold
    // and the counter counts the moves since the puzzle was made or reset.
    void randomPlayKeepsTheRules() {
        const quint32 seed = testing::testSeed("TENEBRIX_TEST_SEED");
        std::mt19937 chooser = testing::randomStream(seed, testing::Stream::Player);
        GameFixture f;
        f.random = testing::ScriptedRandom(testing::randomStream(seed, testing::Stream::Game));
        for (int mode = 1; mode <= kMaxMode; ++mode) {
            f.game.ScrollMode_Change(mode);
            f.game.ScrollLevel_Change(2 + mode * 2);
            std::int64_t counted = 0;
            for (int step = 0; step < 3000; ++step) {
                const auto messages = f.display.messages.size();
                const int roll = static_cast<int>(chooser() % 100);
                const int tile = 1 + static_cast<int>(chooser() % kTileCount);
                if (roll == 0) f.game.cmdReset_Click();
                if (roll == 1) f.game.cmdHint_Click();
                if (roll > 1 && roll < 10) f.game.picTile_MouseMove(tile);
                if (roll >= 10) f.game.picTile_Click(tile);
                const bool won = roll >= 10 && f.display.messages.size() > messages;
                counted = roll == 0 || won ? 0 : counted + (roll >= 10);
                const auto where = QString("; mode %1 step %2; replay with TENEBRIX_TEST_SEED=%3")
                                       .arg(mode)
                                       .arg(step)
                                       .arg(seed);
                QVERIFY2(f.brokenRule().empty() && f.game.moveCount() == counted,
                         qPrintable(QString::fromStdString(f.brokenRule()) + " count" + where));
            }
        }
    }
};

QTEST_GUILESS_MAIN(PuzzleTest)
#include "test_puzzle.moc"
