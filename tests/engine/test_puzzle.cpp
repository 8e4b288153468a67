// SPDX-License-Identifier: GPL-3.0-or-later
// Making, painting and resetting puzzles, the settings that make them, and
// the rule that ties the board to the record of moves still to go.
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
        QCOMPARE(f.game.currentValue(), expected);
        QCOMPARE(f.display.caption(Caption::PuzValue), " " + std::to_string(expected));
        QCOMPARE(f.display.caption(Caption::PuzState), f.display.caption(Caption::PuzValue));
        QCOMPARE(f.display.caption(Caption::Moves), std::string("0"));
        QCOMPARE(f.display.tiles, tileStates(expected));
        for (int tile = 1; tile <= kTileCount; ++tile) {
            QCOMPARE(f.game.moves().puzzleMove(tile), tile == 1 || tile == 25);
            QCOMPARE(f.game.moves().moveToGo(tile), tile == 1 || tile == 25);
        }
        QVERIFY(!f.game.hintUsed());
    }

    // Every puzzle presses exactly `level` distinct tiles, every tile can be
    // drawn, and the board is what those presses make.
    void puzzlesPressDistinctTilesAllOverTheBoard() {
        GameFixture f;
        std::set<int> everDrawn;
        for (int level : {2, 20}) {
            f.game.ScrollLevel_Change(level);
            for (int round = 0; round < 300; ++round) {
                f.game.cmdNewPuzzle_Click();
                int presses = 0;
                for (int tile = 1; tile <= kTileCount; ++tile) {
                    if (!f.game.moves().puzzleMove(tile)) continue;
                    ++presses;
                    everDrawn.insert(tile);
                }
                QCOMPARE(presses, level);
                QCOMPARE(f.game.startValue(), f.valueOfMovesToGo());
            }
        }
        QCOMPARE(static_cast<int>(everDrawn.size()), kTileCount);
    }

    // Nine ring presses cancel out: the puzzle starts dark, and is not won
    // until a move has been played.
    void cancellingPressesGiveADarkBoardThatIsNotYetWon() {
        GameFixture f;
        f.game.ScrollMode_Change(9);
        f.game.ScrollLevel_Change(9);
        f.newPuzzle({1, 3, 5, 11, 13, 15, 21, 23, 25});
        QCOMPARE(f.game.startValue(), kSolvedBoard);
        QCOMPARE(f.display.caption(Caption::PuzValue), std::string(" 0"));
        QVERIFY(f.display.messages.empty());
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
        QCOMPARE(f.display.caption(Caption::PuzState), f.display.caption(Caption::PuzValue));
        QCOMPARE(f.display.caption(Caption::Moves), std::string("0"));
        QCOMPARE(f.display.tiles, tileStates(f.game.startValue()));
        QCOMPARE(f.movesToGo(), (std::vector<int>{7, 19}));
        QVERIFY(f.game.hintUsed());
        QCOMPARE(f.game.preview().shownTile(), 0);
    }

    void captionsAreNumberText() {
        GameFixture f;
        QCOMPARE(f.display.caption(Caption::Mode), std::string("Mode  1"));
        QCOMPARE(f.display.caption(Caption::Level), std::string("Level:  2"));
        QCOMPARE(f.display.tileNumberCaptions[6], std::string(" 7"));
        QCOMPARE(f.display.tileNumberCaptions[24], std::string(" 25"));
        f.game.ScrollLevel_Change(20);
        QCOMPARE(f.display.caption(Caption::Level), std::string("Level:  20"));
        f.game.ScrollMode_Change(3);
        QCOMPARE(f.display.caption(Caption::Mode), std::string("Mode  3"));
        QCOMPARE(NumberText(-5), std::string("-5"));
        QCOMPARE(CounterText(12), std::string("12"));
    }

    // More presses than tiles, or none, must neither hang nor break the record.
    void levelsOutsideTheBoardNeverHang() {
        GameFixture f;
        f.game.CreatePuzzle(1, 30);
        QCOMPARE(static_cast<int>(f.movesToGo().size()), kTileCount);
        QCOMPARE(f.game.startValue(), f.valueOfMovesToGo());
        for (int level : {0, -3}) {
            f.game.CreatePuzzle(1, level);
            QCOMPARE(f.game.startValue(), kSolvedBoard);
            QCOMPARE(f.display.caption(Caption::PuzValue), std::string("0"));
            QVERIFY(f.movesToGo().empty());
        }
    }

    void modeAndLevelMakeANewPuzzle() {
        GameFixture f({3, 4});
        f.click({1});
        f.game.cmdHint_Click();
        f.game.ScrollMode_Change(2);
        QCOMPARE(f.display.modeDiagram, 2);
        QCOMPARE(f.display.caption(Caption::Moves), std::string("0"));
        QVERIFY(!f.game.hintUsed());
        QCOMPARE(f.game.startValue(), f.valueOfMovesToGo());
        f.game.ScrollLevel_Change(7);
        QCOMPARE(static_cast<int>(f.movesToGo().size()), 7);
        QCOMPARE(f.game.settings().mode, 2);
        f.game.ScrollMode_Change(42);  // out of range: kept to the last mode
        QCOMPARE(f.game.settings().mode, kMaxMode);
    }

    // A new tile set repaints the same board; the puzzle goes on.
    void tileSetRepaintsWithoutTouchingThePuzzle() {
        GameFixture f({3, 4});
        f.click({1, 2});
        const PuzzleValue before = f.game.currentValue();
        const auto toGo = f.movesToGo();
        const int paints = f.display.paints;
        f.game.ScrollTileSet_Change(8);
        QCOMPARE(f.display.tileSet, 8);
        QCOMPARE(f.display.paints, paints + 1);
        QCOMPARE(f.display.tiles, tileStates(before));
        QCOMPARE(f.game.currentValue(), before);
        QCOMPARE(f.movesToGo(), toGo);
        QCOMPARE(f.display.caption(Caption::Moves), std::string("2"));
    }

    // Over long random play in every mode, the board is always the sum of
    // the moves still to go, and the screen always shows it.
    void boardIsAlwaysTheMovesToGo() {
        const unsigned seed = QRandomGenerator::global()->generate();
        qInfo("seed %u", seed);
        std::mt19937 chooser(seed);
        GameFixture f;
        f.random = testing::ScriptedRandom(seed);
        for (int mode = 1; mode <= kModeCount; ++mode) {
            f.game.ScrollMode_Change(mode);
            f.game.ScrollLevel_Change(2 + mode * 2);
            std::int64_t counted = 0;
            for (int step = 0; step < 3000; ++step) {
                const auto wins = f.display.messages.size();
                const int roll = static_cast<int>(chooser() % 100);
                if (roll == 0) {
                    f.game.cmdReset_Click();
                    counted = 0;
                } else {
                    f.game.picTile_Click(1 + static_cast<int>(chooser() % kTileCount));
                    counted = f.display.messages.size() > wins ? 0 : counted + 1;
                }
                QVERIFY2(
                    f.game.currentValue() == f.valueOfMovesToGo(),
                    qPrintable(QString("seed %1 mode %2 step %3").arg(seed).arg(mode).arg(step)));
                QCOMPARE(f.display.tiles, tileStates(f.game.currentValue()));
                QCOMPARE(f.display.caption(Caption::Moves), std::to_string(counted));
            }
        }
    }
};

QTEST_GUILESS_MAIN(PuzzleTest)
#include "test_puzzle.moc"
