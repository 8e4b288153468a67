// SPDX-License-Identifier: GPL-3.0-or-later
// Winning: the three messages word for word, the level-up offer and what
// follows every win.
#include <QtTest>

#include "GameFixture.h"

using namespace tenebrix;
using tenebrix::testing::GameFixture;

namespace {
const std::string kWinner = "We have a winner!!\r\n\r\nYou have solved this ";

std::vector<int> firstTiles(int count) {
    std::vector<int> tiles;
    for (int tile = 1; tile <= count; ++tile) tiles.push_back(tile);
    return tiles;
}

// A game at `level` whose puzzle presses tiles 1..level.
GameFixture& startAtLevel(GameFixture& f, int level) {
    f.random.scriptPuzzle(firstTiles(level));
    f.game.ScrollLevel_Change(level);
    return f;
}
}  // namespace

class WinningTest : public QObject {
    Q_OBJECT
  private slots:
    void winMessages_data() {
        QTest::addColumn<int>("level");
        QTest::addColumn<bool>("hint");
        QTest::addColumn<int>("strayPairs");  // a tile pressed twice: two extra moves
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("yesNo");
        QTest::newRow("shortest, no hint: the offer")
            << 5 << false << 0
            << "We have a winner!!\r\n\r\nYou have solved this  5 move puzzle in 5 moves.\r\n\r\n"
               "Would you like to move to level  6"
            << true;
        QTest::newRow("two moves more: plain")
            << 5 << false << 1
            << "We have a winner!!\r\n\r\nYou have solved this  5 move puzzle in 7 moves." << false;
        QTest::newRow("shortest with a hint: the remark")
            << 5 << true << 0
            << "We have a winner!!\r\n\r\nYou have solved this  5 move puzzle in 5 moves.\r\n\r\n"
               "Of course you did get a hint or two!!!"
            << false;
        QTest::newRow("longer with a hint: plain, the hint unmentioned")
            << 3 << true << 2
            << "We have a winner!!\r\n\r\nYou have solved this  3 move puzzle in 7 moves." << false;
        QTest::newRow("top level: plain even with a hint")
            << 20 << true << 0
            << "We have a winner!!\r\n\r\nYou have solved this  20 move puzzle in 20 moves."
            << false;
    }
    void winMessages() {
        QFETCH(int, level);
        QFETCH(bool, hint);
        QFETCH(int, strayPairs);
        QFETCH(QString, text);
        QFETCH(bool, yesNo);
        GameFixture f;
        startAtLevel(f, level);
        if (hint) f.game.cmdHint_Click();
        f.display.messages.clear();
        for (int pair = 0; pair < strayPairs; ++pair) f.click({25, 25});
        f.click(firstTiles(level));
        QCOMPARE(f.display.messages.size(), size_t{1});
        const Message& won = f.display.messages.front();
        QCOMPARE(QString::fromStdString(won.text), text);
        QCOMPARE(won.title, std::string("Congratulations"));
        QCOMPARE(won.buttons, yesNo ? MessageButtons::YesNo : MessageButtons::Ok);
        QCOMPARE(won.icon, MessageIcon::None);
        // The next puzzle is already on the board.
        QCOMPARE(f.game.settings().level, level);  // unanswered offer counts as No
        QCOMPARE(f.display.caption(Caption::Moves), std::string("0"));
        QVERIFY(!f.game.hintUsed());
        QCOMPARE(static_cast<int>(f.movesToGo().size()), level);
    }

    void yesRaisesTheLevelNoKeepsIt() {
        for (const MessageAnswer answer : {MessageAnswer::Yes, MessageAnswer::No}) {
            GameFixture f;
            startAtLevel(f, 5);
            f.display.answers.push_back(answer);
            f.click(firstTiles(5));
            const int expected = answer == MessageAnswer::Yes ? 6 : 5;
            QCOMPARE(f.game.settings().level, expected);
            QCOMPARE(f.display.levelSetting, answer == MessageAnswer::Yes ? 6 : 0);
            QCOMPARE(f.display.caption(Caption::Level), "Level:  " + std::to_string(expected));
            QCOMPARE(static_cast<int>(f.movesToGo().size()), expected);
            QCOMPARE(f.display.caption(Caption::Moves), std::string("0"));
            QCOMPARE(f.display.tiles, tileStates(f.game.startValue()));
        }
    }

    // From 19 the offer leads to the top level, where no offer is made.
    void nineteenToTwentyThenNoMoreOffers() {
        GameFixture f;
        startAtLevel(f, 19);
        f.display.answers.push_back(MessageAnswer::Yes);
        f.click(firstTiles(19));
        QCOMPARE(f.game.settings().level, 20);
        f.random.scriptPuzzle(firstTiles(20));
        f.game.cmdNewPuzzle_Click();
        f.click(firstTiles(20));
        QCOMPARE(f.display.messages.size(), size_t{2});
        QCOMPARE(f.display.messages.back().buttons, MessageButtons::Ok);
        QCOMPARE(f.game.settings().level, 20);
    }

    // A hint survives a reset, so it still costs the offer.
    void hintBeforeResetStillCostsTheOffer() {
        GameFixture f;
        startAtLevel(f, 4);
        f.game.cmdHint_Click();
        f.click({9});
        f.game.cmdReset_Click();
        f.click(firstTiles(4));
        QVERIFY(f.display.messages.back().text.ends_with("Of course you did get a hint or two!!!"));
        f.click(f.movesToGo());  // the next puzzle starts without the hint
        QVERIFY(f.display.messages.back().text.ends_with("level  5"));
    }

    void aMoveThatLeavesATileLitOnlyCounts() {
        GameFixture f({12, 14});
        f.click({12});
        QCOMPARE(f.display.caption(Caption::Moves), std::string("1"));
        QVERIFY(f.display.messages.empty());
        QCOMPARE(f.display.tiles, tileStates(moveMask(1, 14)));
    }

    // A very long game keeps counting instead of wrapping negative.
    void theCounterGoesOnPast32767() {
        GameFixture f({12, 14});
        for (int move = 0; move < 40000; ++move) f.game.picTile_Click(3);
        QCOMPARE(f.display.caption(Caption::Moves), std::string("40000"));
        QCOMPARE(f.game.moveCount(), std::int64_t{40000});
        QCOMPARE(f.game.currentValue(), f.game.startValue());
    }
};

QTEST_GUILESS_MAIN(WinningTest)
#include "test_winning.moc"
