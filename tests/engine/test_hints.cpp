// SPDX-License-Identifier: GPL-3.0-or-later
// Hints: which tile is named, and what a hint changes.
#include <QtTest>
#include <algorithm>

#include "GameFixture.h"

using namespace tenebrix;
const std::string kHint = "Why don't you try tile number:  ";

class HintsTest : public QObject {
    Q_OBJECT
  private slots:
    // The numbers are on the board while a hint is read; the menu mark
    // follows once it is closed. A hint plays no move. With nothing left to
    // press, a hint must neither loop nor pretend.
    void aHintNamesTheLastMoveToGoAndShowsTheNumbers() {
        testing::GameFixture f({7, 25});
        f.click({25});
        f.game.cmdHint_Click();
        QCOMPARE(
            f.display.messages,
            (std::vector<Message>{{kHint + "7", "Hint", MessageButtons::Ok, MessageIcon::None}}));
        QVERIFY(f.display.numbersVisibleDuringMessage.front() && f.display.tileNumbersChecked);
        QVERIFY(f.game.hintUsed() && f.game.moveCount() == 1);
        f.game.mnuTileNumbers_Click();
        QVERIFY(!f.display.tileNumbersVisible && !f.display.tileNumbersChecked);
        f.game.CreatePuzzle(1, 0);
        f.random.scriptDraw(0);
        f.game.cmdHint_Click();
        QVERIFY(f.display.messages.size() == 1 && !f.display.tileNumbersVisible);
        QCOMPARE(f.random.draws.size(), size_t{1});
    }

    // A stray press becomes a move to go that a hint may name. 150 is five
    // standard deviations, and would notice a fifth tile named.
    void hintsAreUniformOverTheMovesToGo() {
        testing::GameFixture f({2, 8});
        f.click({13, 19});
        for (int ask = 0; ask < 4000; ++ask) f.game.cmdHint_Click();
        for (int tile : {2, 8, 13, 19}) {
            const auto count = std::ranges::count(f.display.messages, kHint + std::to_string(tile),
                                                  &Message::text);
            QVERIFY2(std::abs(count - 1000) < 150, qPrintable(QString::number(tile)));
        }
    }
};

QTEST_GUILESS_MAIN(HintsTest)
#include "test_hints.moc"
