// SPDX-License-Identifier: GPL-3.0-or-later
// Hints: which tile is named, and what a hint changes.
#include <QtTest>
#include <map>

#include "GameFixture.h"

using namespace tenebrix;
using tenebrix::testing::GameFixture;

class HintsTest : public QObject {
    Q_OBJECT
  private slots:
    // The numbers are on the board while the hint is read; the menu mark
    // follows once it is closed. A hint plays no move.
    void aHintNamesTheLastMoveToGoAndShowsTheNumbers() {
        GameFixture f({7, 25});
        f.click({25});
        for (int ask = 0; ask < 20; ++ask) f.game.cmdHint_Click();
        QCOMPARE(f.display.messages.size(), size_t{20});
        for (const Message& hint : f.display.messages) {
            QCOMPARE(hint, (Message{"Why don't you try tile number:  7", "Hint", MessageButtons::Ok,
                                    MessageIcon::None}));
        }
        QCOMPARE(f.display.numbersVisibleDuringMessage.front(), true);
        QVERIFY(f.display.tileNumbersChecked && f.game.hintUsed());
        QCOMPARE(f.movesToGo(), std::vector<int>{7});
        QCOMPARE(f.game.moveCount(), std::int64_t{1});
        QCOMPARE(f.brokenRule(), std::string());
        f.game.mnuTileNumbers_Click();
        QVERIFY(!f.display.tileNumbersVisible && !f.display.tileNumbersChecked);
    }

    // A stray press becomes a move to go, and a hint may name it.
    void hintsAreUniformOverTheMovesToGo() {
        GameFixture f({2, 8});
        f.click({13, 19});
        std::map<std::string, int> named;
        const int asks = 4000;
        for (int ask = 0; ask < asks; ++ask) f.game.cmdHint_Click();
        for (const Message& hint : f.display.messages) ++named[hint.text];
        QCOMPARE(named.size(), size_t{4});
        for (int tile : {2, 8, 13, 19}) {
            const int count = named["Why don't you try tile number:  " + std::to_string(tile)];
            QVERIFY2(count > asks / 4 - 300 && count < asks / 4 + 300,
                     qPrintable(QString("tile %1 named %2 times").arg(tile).arg(count)));
        }
    }

    // With nothing left to press, a hint must neither loop nor pretend.
    void aHintWithNoMoveToGoDoesNothing() {
        GameFixture f;
        f.game.CreatePuzzle(1, 0);
        const int draws = f.random.calls;
        f.game.cmdHint_Click();
        QVERIFY(f.display.messages.empty());
        QVERIFY(!f.game.hintUsed() && !f.display.tileNumbersVisible);
        QCOMPARE(f.random.calls, draws);
    }
};

QTEST_GUILESS_MAIN(HintsTest)
#include "test_hints.moc"
