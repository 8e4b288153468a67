// SPDX-License-Identifier: GPL-3.0-or-later
// Winning: the three messages word for word, the level-up offer and what
// follows every win.
#include <QtTest>

#include "GameFixture.h"

using namespace tenebrix;
using tenebrix::testing::GameFixture;

namespace {
std::vector<int> firstTiles(int count) {
    std::vector<int> tiles;
    for (int tile = 1; tile <= count; ++tile) tiles.push_back(tile);
    return tiles;
}
}  // namespace

class WinningTest : public QObject {
    Q_OBJECT
  private slots:
    void winMessages_data() {
        QTest::addColumn<int>("level");
        QTest::addColumn<bool>("hint");       // taken before the first move
        QTest::addColumn<bool>("reset");      // after a stray move
        QTest::addColumn<int>("strayPairs");  // a tile pressed twice: two extra moves
        QTest::addColumn<int>("answer");      // to an offer
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("levelAfter");
        const QString won =
            "We have a winner!!\r\n\r\nYou have solved this  %1 move puzzle in %2 moves.";
        const QString offer = "\r\n\r\nWould you like to move to level  %1";
        const QString remark = "\r\n\r\nOf course you did get a hint or two!!!";
        using enum MessageAnswer;
        QTest::newRow("offer taken")
            << 5 << false << false << 0 << int(Yes) << won.arg(5).arg(5) + offer.arg(6) << 6;
        QTest::newRow("offer declined")
            << 5 << false << false << 0 << int(No) << won.arg(5).arg(5) + offer.arg(6) << 5;
        QTest::newRow("two moves more: plain")
            << 5 << false << false << 1 << int(Yes) << won.arg(5).arg(7) << 5;
        QTest::newRow("shortest with a hint: the remark")
            << 5 << true << false << 0 << int(Yes) << won.arg(5).arg(5) + remark << 5;
        QTest::newRow("a hint survives a reset")
            << 4 << true << true << 0 << int(Yes) << won.arg(4).arg(4) + remark << 4;
        QTest::newRow("longer with a hint: plain")
            << 3 << true << false << 2 << int(Yes) << won.arg(3).arg(7) << 3;
        QTest::newRow("19 to the top")
            << 19 << false << false << 0 << int(Yes) << won.arg(19).arg(19) + offer.arg(20) << 20;
        QTest::newRow("top level: no offer")
            << 20 << false << false << 0 << int(Yes) << won.arg(20).arg(20) << 20;
        QTest::newRow("top level: no remark")
            << 20 << true << false << 0 << int(Yes) << won.arg(20).arg(20) << 20;
    }
    void winMessages() {
        QFETCH(int, level);
        QFETCH(bool, hint);
        QFETCH(bool, reset);
        QFETCH(int, strayPairs);
        QFETCH(int, answer);
        QFETCH(QString, text);
        QFETCH(int, levelAfter);
        GameFixture f;
        f.random.scriptPuzzle(firstTiles(level));
        f.game.ScrollLevel_Change(level);
        if (hint) f.game.cmdHint_Click();
        if (reset) f.click({25});
        if (reset) f.game.cmdReset_Click();
        f.display.messages.clear();
        f.display.answers.push_back(static_cast<MessageAnswer>(answer));
        for (int pair = 0; pair < strayPairs; ++pair) f.click({25, 25});
        f.click(firstTiles(level));
        QCOMPARE(f.display.messages.size(), size_t{1});
        const Message& won = f.display.messages.front();
        QCOMPARE(QString::fromStdString(won.text), text);
        QCOMPARE(won.title, std::string("Congratulations"));
        QCOMPARE(won.buttons, text.contains("Would") ? MessageButtons::YesNo : MessageButtons::Ok);
        QCOMPARE(won.icon, MessageIcon::None);
        // The next puzzle, at the level taken up, is already on the board.
        QCOMPARE(f.game.settings().level, levelAfter);
        QCOMPARE(f.display.levelSetting, levelAfter > level ? levelAfter : 0);
        QCOMPARE(static_cast<int>(f.movesToGo().size()), levelAfter);
        QCOMPARE(f.game.moveCount(), std::int64_t{0});
        QVERIFY(!f.game.hintUsed());
        QCOMPARE(f.brokenRule(), std::string());
    }

    // A very long game keeps counting instead of wrapping negative.
    void theCounterGoesOnPast32767() {
        GameFixture f({12, 14});
        for (int move = 0; move < 40000; ++move) f.game.picTile_Click(3);
        QCOMPARE(f.display.caption(Caption::Moves), std::string("40000"));
        QCOMPARE(f.game.currentValue(), f.game.startValue());
    }
};

QTEST_GUILESS_MAIN(WinningTest)
#include "test_winning.moc"
