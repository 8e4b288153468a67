// SPDX-License-Identifier: GPL-3.0-or-later
// Playing through the main window's controls: moves, wins and their
// messages, the settings scroll bars, the move preview, tile numbers, Alt+H
// and help.
#include <QAction>
#include <QApplication>
#include <QScrollBar>

#include "Game.h"
#include "MainWindowFixture.h"
#include "PictureBox.h"

using namespace tenebrix;
using namespace tenebrix::testing;

namespace {

const QColor kCyan(0, 255, 255);
const QColor kYellow(255, 255, 0);

// Tiles whose face, the middle of the picture, shows `face`.
std::vector<int> tilesShowing(const MainWindowFixture& fixture, const QColor& face) {
    std::vector<int> tiles;
    for (int n = 1; n <= kTileCount; ++n)
        if (pixelAt(fixture.tile(n), {18, 18}) == face) tiles.push_back(n);
    return tiles;
}

std::vector<int> markedTiles(const MainWindowFixture& fixture) {
    std::vector<int> tiles;
    for (int n = 1; n <= kTileCount; ++n) {
        const auto* box = qobject_cast<ui::PictureBox*>(fixture.tile(n));
        if (box->backColour() == kHighlightColour) tiles.push_back(n);
    }
    return tiles;
}

}  // namespace

class FrmMainPlayTest : public QObject {
    Q_OBJECT

  private slots:
    void clicksFlipTheMoveAndCount() {
        MainWindowFixture fixture({7, 13});
        QVERIFY(fixture.show());
        // Pressing 7 and 13 in mode 1 lights 2, 6, 7, 13, 14 and 18; 8 and 12 cancel.
        QCOMPARE(tilesShowing(fixture, kCyan), std::vector<int>({2, 6, 7, 13, 14, 18}));
        fixture.click({7});
        QCOMPARE(tilesShowing(fixture, kCyan), std::vector<int>({8, 12, 13, 14, 18}));
        QCOMPARE(fixture.caption("lblMoves"), QString("1"));
        fixture.click({1});
        QCOMPARE(tilesShowing(fixture, kCyan), std::vector<int>({1, 2, 6, 8, 12, 13, 14, 18}));
        QCOMPARE(fixture.caption("lblMoves"), QString("2"));
        QTest::mouseClick(fixture.control("cmdReset"), Qt::LeftButton);
        QCOMPARE(tilesShowing(fixture, kCyan), std::vector<int>({2, 6, 7, 13, 14, 18}));
        QCOMPARE(fixture.caption("lblMoves"), QString("0"));
        fixture.click({1});
        fixture.control<QAction>("mnuReset")->trigger();
        QCOMPARE(tilesShowing(fixture, kCyan), std::vector<int>({2, 6, 7, 13, 14, 18}));
        QVERIFY(fixture.messages.shown.empty());
    }

    void winsAnnounceEachMessage_data() {
        QTest::addColumn<bool>("hintFirst");
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("levelAfter");
        const QString solved =
            "We have a winner!!\r\n\r\nYou have solved this  2 move puzzle in %1 moves.";
        const QString offer = solved.arg(2) + "\r\n\r\nWould you like to move to level  3";
        const QString hinted = solved.arg(2) + "\r\n\r\nOf course you did get a hint or two!!!";
        using enum MessageAnswer;
        QTest::newRow("offer taken") << false << QList<int>{7, 13} << int(Yes) << offer << 3;
        QTest::newRow("too many moves")
            << false << QList<int>{7, 1, 1, 13} << int(Ok) << solved.arg(4) << 2;
        QTest::newRow("after a hint") << true << QList<int>{7, 13} << int(Ok) << hinted << 2;
    }

    void winsAnnounceEachMessage() {
        QFETCH(bool, hintFirst);
        QFETCH(QList<int>, clicks);
        QFETCH(int, answer);
        QFETCH(QString, text);
        QFETCH(int, levelAfter);
        MainWindowFixture fixture({7, 13});
        QVERIFY(fixture.show());
        // The hint names the first move to go; a raised level makes one puzzle
        // in its own reaction and one more after the message.
        if (hintFirst) fixture.random.scriptDraw(0);
        const std::vector<int> next =
            levelAfter == 3 ? std::vector<int>{21, 22, 23} : std::vector<int>{21, 25};
        if (levelAfter == 3) fixture.random.scriptPuzzle({1, 2, 3});
        fixture.random.scriptPuzzle(next);
        fixture.messages.yesNoAnswer = static_cast<MessageAnswer>(answer);

        if (hintFirst) QTest::mouseClick(fixture.control("cmdHint"), Qt::LeftButton);
        fixture.click(std::vector<int>(clicks.begin(), clicks.end()));

        QCOMPARE(fixture.messages.shown.size(), size_t(hintFirst ? 2 : 1));
        if (hintFirst) {
            const Message hint = fixture.messages.shown.front();
            QCOMPARE(QString::fromStdString(hint.text),
                     QString("Why don't you try tile number:  7"));
            QVERIFY(fixture.control("lblTileNumbers(7)")->isVisible());
        }
        const Message win = fixture.messages.shown.back();
        QCOMPARE(QString::fromStdString(win.text), text);
        QCOMPARE(QString::fromStdString(win.title), QString("Congratulations"));
        const bool offered = answer != int(MessageAnswer::Ok);
        QCOMPARE(win.buttons, offered ? MessageButtons::YesNo : MessageButtons::Ok);
        // The level scroll bar follows a raised level without a second reaction
        // of its own: the last scripted puzzle is the one in play.
        QCOMPARE(fixture.control<QScrollBar>("ScrollLevel")->value(), levelAfter);
        QCOMPARE(fixture.caption("lblPuzValue"), startCaption(1, next));
        QCOMPARE(fixture.messages.brokenRule, std::string());
    }

    void scrollBarsChangeTheSettings() {
        MainWindowFixture fixture({7, 13});
        QVERIFY(fixture.show());
        fixture.click({7});

        // A new tile set repaints the same board and keeps the count.
        fixture.control<QScrollBar>("ScrollTileSet")->setValue(3);
        QCOMPARE(pixelAt(fixture.control("PicOn"), {18, 18}), kYellow);
        QCOMPARE(tilesShowing(fixture, kYellow), std::vector<int>({8, 12, 13, 14, 18}));
        QCOMPARE(fixture.caption("lblMoves"), QString("1"));

        // A new mode shows its diagram and starts a new puzzle in it.
        auto* mode = fixture.control<QScrollBar>("ScrollMode");
        fixture.random.scriptPuzzle({3, 9});
        mode->setValue(2);
        QVERIFY(fixture.control("picMode(2)")->isVisible());
        QVERIFY(!fixture.control("picMode(1)")->isVisible());
        QCOMPARE(fixture.caption("lblMode"), QString("Mode  2"));
        QCOMPARE(fixture.caption("lblPuzValue"), startCaption(2, {3, 9}));

        // A new level starts a puzzle of that many presses in the same mode; a
        // click in the track beside the thumb moves one step, as an arrow does.
        auto* level = fixture.control<QScrollBar>("ScrollLevel");
        QTest::mouseClick(level, Qt::LeftButton, {}, {level->width() / 2, level->height() / 2});
        QCOMPARE(level->value(), 3);
        fixture.random.scriptPuzzle({1, 5, 21, 25, 13});
        level->setValue(5);
        QCOMPARE(fixture.caption("lblPuzValue"), startCaption(2, {1, 5, 21, 25, 13}));

        // Dragging the thumb changes nothing until it is let go.
        mode->setSliderDown(true);
        mode->setSliderPosition(4);
        QCOMPARE(fixture.caption("lblMode"), QString("Mode  2"));
        mode->setSliderDown(false);
        QCOMPARE(fixture.caption("lblMode"), QString("Mode  4"));
    }

    // The preview comes off over the bare window (the gaps between tiles
    // included), Frame1's own area, Hint and Reset, and when New Puzzle is
    // clicked; the frame's controls and the status bar leave it.
    void pointerClearsThePreviewOnlyOverSomeControls_data() {
        QTest::addColumn<QString>("over");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<bool>("click");
        QTest::addColumn<bool>("clears");
        QTest::newRow("gap between tiles") << "clientArea" << QPoint(153, 128) << false << true;
        QTest::newRow("Frame1's own area") << "Frame1" << QPoint(10, 150) << false << true;
        QTest::newRow("Hint") << "cmdHint" << QPoint() << false << true;
        QTest::newRow("Reset Puzzle") << "cmdReset" << QPoint() << false << true;
        QTest::newRow("New Puzzle clicked") << "cmdNewPuzzle" << QPoint() << true << true;
        QTest::newRow("New Puzzle passed") << "cmdNewPuzzle" << QPoint() << false << false;
        QTest::newRow("a frame label") << "lblMode" << QPoint() << false << false;
        QTest::newRow("status bar") << "sbStatusBar" << QPoint() << false << false;
    }

    void pointerClearsThePreviewOnlyOverSomeControls() {
        QFETCH(QString, over);
        QFETCH(QPoint, at);
        QFETCH(bool, click);
        QFETCH(bool, clears);
        MainWindowFixture fixture({7, 13});
        QVERIFY(fixture.show());
        fixture.pointAt(fixture.tile(13));
        QCOMPARE(markedTiles(fixture), std::vector<int>({8, 12, 13, 14, 18}));
        QCOMPARE(pixelAt(fixture.tile(8), {3, 3}), QColor(0, 255, 0));
        if (click)
            QTest::mouseClick(fixture.control(over), Qt::LeftButton);
        else
            fixture.pointAt(fixture.control(over), at);
        QCOMPARE(markedTiles(fixture).empty(), clears);
        // Once cleared, the next tile's preview shows alone.
        fixture.pointAt(fixture.tile(14));
        if (clears) QCOMPARE(markedTiles(fixture), std::vector<int>({9, 13, 14, 15, 19}));
    }

    void tileNumbersShowAndOnlyForgetTheTile() {
        MainWindowFixture fixture;
        QVERIFY(fixture.show());
        QAction* item = fixture.control<QAction>("mnuTileNumbers");
        auto* label = fixture.control<QLabel>("lblTileNumbers(8)");
        item->trigger();
        QVERIFY(item->isChecked());
        QVERIFY(label->isVisible());
        QCOMPARE(label->text(), QString(" 8"));
        // Over its number, the tile keeps its marks but is no longer the one shown.
        fixture.pointAt(fixture.tile(8));
        fixture.pointAt(label, {18, 6});
        QCOMPARE(markedTiles(fixture), std::vector<int>({3, 7, 8, 9, 13}));
        QCOMPARE(fixture.window->game().preview().shownTile(), 0);

        item->trigger();
        QVERIFY(!item->isChecked());
        QVERIFY(!label->isVisible());
    }

    void altHPressesHintAndF10ReachesHelp() {
        MainWindowFixture fixture;
        QVERIFY(fixture.show(true));
        // "&Hint" and "&Help" both claim Alt+H; the button wins.
        QTest::keyClick(fixture.window.get(), Qt::Key_H, Qt::AltModifier);
        QCOMPARE(fixture.messages.shown.size(), size_t(1));
        QCOMPARE(QString::fromStdString(fixture.messages.shown.back().title), QString("Hint"));
        QCOMPARE(QApplication::activePopupWidget(), nullptr);

        // The Help menu is one step left of File, where F10 starts.
        QTest::keyClick(fixture.window.get(), Qt::Key_F10);
        QCOMPARE(QApplication::activePopupWidget(), fixture.control("mnuFile"));
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Left);
        QCOMPARE(QApplication::activePopupWidget(), fixture.control("mnuHelp"));
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    }

    void helpOpensTheViewerOrSaysThereIsNone() {
        MainWindowFixture withoutHelp({7, 13}, QString());
        withoutHelp.control<QAction>("mnuHelpContents")->trigger();
        QVERIFY(withoutHelp.help.helpFilesShown.isEmpty());
        QCOMPARE(withoutHelp.messages.shown.size(), size_t(1));
        const Message none = withoutHelp.messages.shown.front();
        QCOMPARE(QString::fromStdString(none.text),
                 QString("Unable to display Help Contents. There is no Help associated with "
                         "this project."));
        QCOMPARE(QString::fromStdString(none.title), QString("Tenebrix"));
        QCOMPARE(none.icon, MessageIcon::Information);

        // The viewer reports a missing file itself.
        MainWindowFixture withHelp({7, 13}, "/no/such/Tenebrix.hlp");
        withHelp.control<QAction>("mnuHelpContents")->trigger();
        QCOMPARE(withHelp.help.helpFilesShown, QStringList{"/no/such/Tenebrix.hlp"});
    }
};

QTEST_MAIN(FrmMainPlayTest)
#include "test_frmmain_play.moc"
