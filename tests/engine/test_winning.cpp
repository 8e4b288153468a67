// SPDX-License-Identifier: GPL-3.0-or-later
// Winning: the three messages word for word, the level-up offer and what
// follows every win.
#include <QtTest>
#include <numeric>

#include "GameFixture.h"

using namespace tenebrix;
using tenebrix::testing::GameFixture;

class WinningTest : public QObject {
    Q_OBJECT
  private slots:
    void winMessages_data() {
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("before");  // steps before solving: hint, reset, a tile
        QTest::addColumn<int>("answer");      // to an offer
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("levelAfter");
        // Mode and tiles that solve it, when not mode 1 and the puzzle's own presses 1..level.
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("solveWith");
        const QString won =
            "We have a winner!!\r\n\r\nYou have solved this  %1 move puzzle in %2 moves.";
        const QString offer = "\r\n\r\nWould you like to move to level  %1";
        const QString remark = "\r\n\r\nOf course you did get a hint or two!!!";
        const auto row = [](const char* name, int level, const char* before, MessageAnswer answer,
                            const QString& text, int levelAfter) {
            QTest::newRow(name) << level << QString(before) << int(answer) << text << levelAfter
                                << 1 << QString();
        };
        using enum MessageAnswer;
        row("offer taken", 5, "", Yes, won.arg(5).arg(5) + offer.arg(6), 6);
        row("offer declined", 5, "", No, won.arg(5).arg(5) + offer.arg(6), 5);
        row("two moves more: plain", 5, "25 25", Yes, won.arg(5).arg(7), 5);
        row("shortest with a hint: the remark", 5, "hint", Yes, won.arg(5).arg(5) + remark, 5);
        row("a hint survives a reset", 4, "hint 25 reset", Yes, won.arg(4).arg(4) + remark, 4);
        row("longer with a hint: plain", 3, "hint 25 25 25 25", Yes, won.arg(3).arg(7), 3);
        row("19 to the top", 19, "", Yes, won.arg(19).arg(19) + offer.arg(20), 20);
        row("top level: no offer", 20, "", Yes, won.arg(20).arg(20), 20);
        row("top level: no remark", 20, "hint", Yes, won.arg(20).arg(20), 20);
        // Rings at 1 3 5 11 13 15 21 23 25 flip nothing together, so the level-5
        // puzzle pressed at the first five is solved by the last four: the offer's
        // boundary, one move fewer and one more than the level, both plain.
        QTest::newRow("one move fewer: plain")
            << 5 << QString() << int(Yes) << won.arg(5).arg(4) << 5 << 9 << "15 21 23 25";
        QTest::newRow("one move more: plain")
            << 5 << QString() << int(Yes) << won.arg(5).arg(6) << 5 << 9 << "2 2 15 21 23 25";
    }
    void winMessages() {
        QFETCH(int, level);
        QFETCH(QString, before);
        QFETCH(int, answer);
        QFETCH(QString, text);
        QFETCH(int, levelAfter);
        QFETCH(int, mode);
        QFETCH(QString, solveWith);
        std::vector<int> presses(level);
        std::iota(presses.begin(), presses.end(), 1);
        if (mode == 9) presses = {1, 3, 5, 11, 13};
        std::vector<int> solution = presses;
        if (!solveWith.isEmpty()) solution.clear();
        for (const QString& tile : solveWith.split(' ', Qt::SkipEmptyParts))
            solution.push_back(tile.toInt());
        GameFixture f;
        f.game.ScrollMode_Change(mode);
        f.random.scriptPuzzle(presses);
        f.game.ScrollLevel_Change(level);
        for (const QString& step : before.split(' ', Qt::SkipEmptyParts)) {
            if (step == "hint") f.game.cmdHint_Click();
            if (step == "reset") f.game.cmdReset_Click();
            if (step.toInt() > 0) f.click({step.toInt()});
        }
        f.display.messages.clear();
        f.display.answers.push_back(static_cast<MessageAnswer>(answer));
        f.click(solution);
        QCOMPARE(f.display.messages.size(), size_t{1});
        const auto buttons = text.contains("Would") ? MessageButtons::YesNo : MessageButtons::Ok;
        QCOMPARE(f.display.messages.front(),
                 (Message{text.toStdString(), "Congratulations", buttons, MessageIcon::None}));
        // The next puzzle, at the level taken up, is already on the board.
        QCOMPARE(f.game.settings().level, levelAfter);
        QCOMPARE(f.display.levelSetting, levelAfter > level ? levelAfter : 0);
        QCOMPARE(static_cast<int>(f.movesToGo().size()), levelAfter);
        QVERIFY(!f.game.hintUsed());
        QCOMPARE(f.brokenRule(), std::string());
    }

    // A very long game keeps counting instead of wrapping negative.
    void theCounterGoesOnPast32767() {
        GameFixture f({12, 14});
        for (int move = 0; move < 40000; ++move) f.game.picTile_Click(3);
        QCOMPARE(f.display.caption(Caption::Moves), std::string("40000"));
    }
};

QTEST_GUILESS_MAIN(WinningTest)
#include "test_winning.moc"
