// SPDX-License-Identifier: GPL-3.0-or-later
// Making, painting and resetting puzzles, the settings that make them, and
// long random play with the game's rules checked after every step.
#include <QtTest>
#include <set>

#include "GameFixture.h"
#include "NumberText.h"

using namespace tenebrix;
using tenebrix::testing::GameFixture;

class PuzzleTest : public QObject {
    Q_OBJECT
  private slots:
    void levelTwoPuzzleFromCornerPresses() {
        GameFixture f({1, 25});  // mode 1, level 2 at start
        const PuzzleValue expected =
            (1 << 0) | (1 << 1) | (1 << 5) | (1 << 19) | (1 << 23) | (1 << 24);
        QCOMPARE(f.game.startValue(), expected);
        QCOMPARE(f.display.caption(Caption::PuzValue), " " + std::to_string(expected));
        QCOMPARE(f.movesToGo(), (std::vector<int>{1, 25}));
        QCOMPARE(f.brokenRule(), std::string());
        QCOMPARE(f.display.tileNumberCaptions[24], std::string(" 25"));
        QCOMPARE(NumberText(-5), std::string("-5"));
    }

    // Every puzzle presses exactly `level` distinct tiles and every tile can
    // be drawn; more presses than tiles, or none, neither hang nor break it.
    void puzzlesPressDistinctTilesAllOverTheBoard() {
        GameFixture f;
        std::set<int> everDrawn;
        for (int level : {2, 20}) {
            f.game.ScrollLevel_Change(level);
            for (int round = 0; round < 300; ++round) {
                f.game.cmdNewPuzzle_Click();
                const auto toGo = f.movesToGo();
                QCOMPARE(static_cast<int>(toGo.size()), level);
                everDrawn.insert(toGo.begin(), toGo.end());
            }
        }
        QCOMPARE(static_cast<int>(everDrawn.size()), kTileCount);
        f.game.CreatePuzzle(1, 30);
        QCOMPARE(static_cast<int>(f.movesToGo().size()), kTileCount);
        f.game.CreatePuzzle(1, -3);
        QCOMPARE(f.display.caption(Caption::PuzValue), std::string("0"));
        QVERIFY(f.movesToGo().empty());
    }

    // Nine ring presses cancel out: the puzzle starts dark, and is not won
    // until a move has been played.
    void cancellingPressesGiveADarkBoardThatIsNotYetWon() {
        GameFixture f;
        f.game.ScrollMode_Change(9);
        f.game.ScrollLevel_Change(9);
        f.newPuzzle({1, 3, 5, 11, 13, 15, 21, 23, 25});
        QCOMPARE(f.display.caption(Caption::PuzValue), std::string(" 0"));
        f.click({7});
        QVERIFY(f.game.currentValue() != kSolvedBoard);
        QVERIFY(f.display.messages.empty());
    }

    void resetRestoresThePuzzleButKeepsTheHintFlag() {
        GameFixture f({7, 19});
        f.click({1, 7, 13});
        f.game.cmdHint_Click();
        f.game.picTile_MouseMove(13);
        f.game.cmdReset_Click();
        QCOMPARE(f.game.currentValue(), f.game.startValue());
        QCOMPARE(f.movesToGo(), (std::vector<int>{7, 19}));
        QVERIFY(f.game.hintUsed());
        QCOMPARE(f.game.preview().shownTile(), 0);
        QCOMPARE(f.brokenRule(), std::string());
    }

    // A mode or level change makes a new puzzle and forgets the hint; a tile
    // set change repaints the same board and the count goes on.
    void settingsChanges() {
        GameFixture f({3, 4});
        f.click({1, 2});
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
        QCOMPARE(f.brokenRule(), std::string());
    }

    // Long random play in every mode: after every step the game's rules hold
    // and the counter counts the moves since the puzzle was made or reset.
    void randomPlayKeepsTheRules() {
        const unsigned seed = QRandomGenerator::global()->generate();
        qInfo("seed %u", seed);
        std::mt19937 chooser(seed);
        GameFixture f;
        f.random = testing::ScriptedRandom(seed);
        for (int mode = 1; mode <= kMaxMode; ++mode) {
            f.game.ScrollMode_Change(mode);
            f.game.ScrollLevel_Change(2 + mode * 2);
            std::int64_t counted = 0;
            for (int step = 0; step < 3000; ++step) {
                const auto messages = f.display.messages.size();
                const int roll = static_cast<int>(chooser() % 100);
                const int tile = 1 + static_cast<int>(chooser() % kTileCount);
                if (roll == 0) {
                    f.game.cmdReset_Click();
                    counted = 0;
                } else if (roll == 1) {
                    f.game.cmdHint_Click();
                } else if (roll < 10) {
                    f.game.picTile_MouseMove(tile);
                } else {
                    f.game.picTile_Click(tile);
                    counted = f.display.messages.size() > messages ? 0 : counted + 1;
                }
                QVERIFY2(f.brokenRule().empty(),
                         qPrintable(QString("%1; seed %2 mode %3 step %4")
                                        .arg(QString::fromStdString(f.brokenRule()))
                                        .arg(seed)
                                        .arg(mode)
                                        .arg(step)));
                QCOMPARE(f.game.moveCount(), counted);
            }
        }
    }
};

QTEST_GUILESS_MAIN(PuzzleTest)
#include "test_puzzle.moc"
