// SPDX-License-Identifier: GPL-3.0-or-later
// Playing through the main window's controls: moves, wins, the settings
// scroll bars, the move preview under the pointer, tile numbers, Alt+H, F10,
// the menu shortcuts and help.
#include <QAction>
#include <QApplication>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyle>
#include <functional>

#include "MainWindowFixture.h"

using namespace tenebrix;
using namespace tenebrix::testing;

namespace {

const QColor kCyan(0, 255, 255);
const QColor kYellow(255, 255, 0);

// Tiles whose face (the middle of the picture) shows `colour`, or their margin.
std::vector<int> tilesShowing(const MainWindowFixture& fixture, QColor colour,
                              QPoint at = {18, 18}) {
    std::vector<int> tiles;
    for (int n = 1; n <= kTileCount; ++n)
        if (pixelAt(fixture.tile(n), at) == colour) tiles.push_back(n);
    return tiles;
}

// Tiles whose margin shows the preview's green.
std::vector<int> markedTiles(const MainWindowFixture& fixture) {
    return tilesShowing(fixture, QColor(0, 255, 0), {3, 3});
}

}  // namespace

class FrmMainPlayTest : public QObject {
    Q_OBJECT

  private slots:
    void clicksResetsAndScrollBarsPlay() {
        MainWindowFixture fixture({7, 13});
        QVERIFY(fixture.show());
        // Pressing 7 and 13 in mode 1 lights 2, 6, 7, 13, 14 and 18; 8 and 12 cancel.
        const std::vector<int> start{2, 6, 7, 13, 14, 18};
        fixture.click({7});
        QCOMPARE(tilesShowing(fixture, kCyan), std::vector<int>({8, 12, 13, 14, 18}));
        // A new tile set repaints the same board and keeps the count.
        fixture.control<QScrollBar>("ScrollTileSet")->setValue(3);
        QCOMPARE(tilesShowing(fixture, kYellow), std::vector<int>({8, 12, 13, 14, 18}));
        QCOMPARE(fixture.caption("lblMoves"), QString("1"));
        for (const bool fromMenu : {false, true}) {
            fixture.click({1});
            QCOMPARE(fixture.caption("lblMoves"), QString(fromMenu ? "1" : "2"));
            if (fromMenu) fixture.control<QAction>("mnuReset")->trigger();
            if (!fromMenu) QTest::mouseClick(fixture.control("cmdReset"), Qt::LeftButton);
            QCOMPARE(tilesShowing(fixture, kYellow), start);
            QCOMPARE(fixture.caption("lblMoves"), QString("0"));
        }
        QVERIFY(fixture.messages.shown.empty());

        // A dragged thumb changes nothing until it is let go; then the new mode
        // shows its diagram and starts a puzzle in it.
        auto* mode = fixture.control<QScrollBar>("ScrollMode");
        fixture.random.scriptPuzzle({3, 9});
        mode->setSliderDown(true);
        mode->setSliderPosition(2);
        QCOMPARE(fixture.caption("lblMode"), QString("Mode  1"));
        mode->setSliderDown(false);
        QVERIFY(fixture.control("picMode(2)")->isVisible() &&
                !fixture.control("picMode(1)")->isVisible());
        QCOMPARE(fixture.caption("lblMode"), QString("Mode  2"));
        QCOMPARE(fixture.caption("lblPuzValue"), startCaption(2, {3, 9}));
        // A click in the track beside the thumb moves one step, as an arrow does,
        // and starts a puzzle of that many presses in the same mode.
        auto* level = fixture.control<QScrollBar>("ScrollLevel");
        fixture.random.scriptPuzzle({1, 5, 21});
        QTest::mouseClick(level, Qt::LeftButton, {}, {level->width() / 2, level->height() / 2});
        QCOMPARE(level->value(), 3);
        QCOMPARE(fixture.caption("lblPuzValue"), startCaption(2, {1, 5, 21}));
    }

    // The real scroll bar's own ways of paging and of going to an end: a
    // click in the track on either side of the thumb pages one step that
    // way, and the bar's "left edge" and "right edge" (its context menu) go
    // to the first and the last mode. The setting follows the bar each time.
    void scrollBarTrackAndEdgesStepTheSetting() {
        MainWindowFixture fixture({7, 13});
        QVERIFY(fixture.show());
        auto* mode = fixture.control<QScrollBar>("ScrollMode");
        // Just inside each end of the track, past the arrow buttons.
        const int arrow = mode->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, mode);
        const QPoint leftTrack(arrow + 2, mode->height() / 2);
        const QPoint rightTrack(mode->width() - arrow - 3, mode->height() / 2);
        struct Step {
            const char* what;
            std::function<void()> act;
            int shown;
        };
        const auto click = [mode](QPoint at) {
            return [mode, at] { QTest::mouseClick(mode, Qt::LeftButton, {}, at); };
        };
        const auto action = [mode](QAbstractSlider::SliderAction slider) {
            return [mode, slider] { mode->triggerAction(slider); };
        };
        const Step steps[] = {
            {"track right", click(rightTrack), 2},
            {"right edge", action(QAbstractSlider::SliderToMaximum), 9},
            {"track left from the end", click(leftTrack), 8},
            {"left edge", action(QAbstractSlider::SliderToMinimum), 1},
        };
        for (const Step& step : steps) {
            step.act();
            QVERIFY2(mode->value() == step.shown, step.what);
            QVERIFY2(fixture.window->game().settings().mode == step.shown, step.what);
            QCOMPARE(fixture.caption("lblMode"), QString("Mode  %1").arg(step.shown));
        }
    }

    void winsShowTheMessageAndGoOn_data() {
        QTest::addColumn<bool>("hintFirst");
        QTest::addColumn<MessageAnswer>("answer");
        QTest::newRow("offer taken") << false << MessageAnswer::Yes;
        QTest::newRow("offer declined") << false << MessageAnswer::No;
        QTest::newRow("after a hint") << true << MessageAnswer::Yes;
    }

    void winsShowTheMessageAndGoOn() {
        QFETCH(bool, hintFirst);
        QFETCH(MessageAnswer, answer);
        MainWindowFixture fixture({7, 13});
        QVERIFY(fixture.show());
        // A raised level makes a puzzle in its own reaction and one after the message.
        const bool raised = !hintFirst && answer == MessageAnswer::Yes;
        const std::vector<int> next =
            raised ? std::vector<int>{21, 22, 23} : std::vector<int>{21, 25};
        if (hintFirst) fixture.random.scriptDraw(0);  // the hint names tile 7
        if (raised) fixture.random.scriptPuzzle({1, 2, 3});
        fixture.random.scriptPuzzle(next);
        fixture.messages.yesNoAnswer = answer;
        if (hintFirst) QTest::mouseClick(fixture.control("cmdHint"), Qt::LeftButton);
        fixture.click({7, 13});

        QCOMPARE(fixture.messages.shown.size(), size_t(hintFirst ? 2 : 1));
        const QString text = QString::fromStdString(fixture.messages.shown.back().text);
        QVERIFY2(text.endsWith(hintFirst ? "a hint or two!!!" : "to level  3"), qPrintable(text));
        QCOMPARE(fixture.control<QScrollBar>("ScrollLevel")->value(), raised ? 3 : 2);
        QCOMPARE(fixture.caption("lblPuzValue"), startCaption(1, next));
    }

    // The preview comes off over bare window, Frame1, Hint and a click on New Puzzle.
    void pointerClearsThePreviewOnlyOverSomeControls_data() {
        QTest::addColumn<QString>("over");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<bool>("click");
        QTest::addColumn<bool>("clears");
        QTest::newRow("gap between tiles") << "clientArea" << QPoint(153, 128) << false << true;
        QTest::newRow("Frame1's own area") << "Frame1" << QPoint(10, 150) << false << true;
        QTest::newRow("Hint") << "cmdHint" << QPoint() << false << true;
        QTest::newRow("New Puzzle clicked") << "cmdNewPuzzle" << QPoint() << true << true;
        QTest::newRow("a frame label") << "lblMode" << QPoint() << false << false;
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
        if (click)
            QTest::mouseClick(fixture.control(over), Qt::LeftButton);
        else
            fixture.pointAt(fixture.control(over), at);
        QCOMPARE(markedTiles(fixture).empty(), clears);
        // Once cleared, the next tile's preview shows alone.
        fixture.pointAt(fixture.tile(14));
        if (clears) QCOMPARE(markedTiles(fixture), std::vector<int>({9, 13, 14, 15, 19}));
    }

    void tileNumbersAltHAndF10() {
        MainWindowFixture fixture;
        QVERIFY(fixture.show(true));
        QAction* item = fixture.control<QAction>("mnuTileNumbers");
        auto* label = fixture.control<QLabel>("lblTileNumbers(8)");
        item->trigger();
        QVERIFY(item->isChecked() && label->isVisible());
        QCOMPARE(label->text(), QString(" 8"));
        // Over its number the tile keeps its marks but is no longer the one shown.
        fixture.pointAt(fixture.tile(8));
        fixture.pointAt(label, {18, 6});
        QCOMPARE(markedTiles(fixture), std::vector<int>({3, 7, 8, 9, 13}));
        QCOMPARE(fixture.window->game().preview().shownTile(), 0);
        item->trigger();
        QVERIFY(!item->isChecked() && !label->isVisible());
        // "&Hint" and "&Help" both claim Alt+H; the button wins.
        QTest::keyClick(fixture.window.get(), Qt::Key_H, Qt::AltModifier);
        QCOMPARE(fixture.messages.shown.size(), size_t(1));
        // The Help menu is one step left of File, where F10 starts.
        QTest::keyClick(fixture.window.get(), Qt::Key_F10);
        QCOMPARE(QApplication::activePopupWidget(), fixture.control("mnuFile"));
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Left);
        QCOMPARE(QApplication::activePopupWidget(), fixture.control("mnuHelp"));
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    }

    // Each menu command does what its item names, from its shortcut where it has one.
    void menuCommandsReachTheirActions() {
        MainWindowFixture fixture({7, 13});
        QVERIFY(fixture.show(true));
        fixture.click({7});
        QTest::keyClick(fixture.window.get(), Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(fixture.caption("lblMoves"), QString("0"));
        QTest::keyClick(fixture.window.get(), Qt::Key_H, Qt::ControlModifier);
        QCOMPARE(fixture.messages.shown.size(), size_t(1));
        QCOMPARE(fixture.messages.shown.back().title, std::string("Hint"));
        QSignalSpy aboutRequests(fixture.window.get(), &qt::frmMain::aboutRequested);
        fixture.control<QAction>("mnuHelpAbout")->trigger();
        QCOMPARE(aboutRequests.size(), 1);
        QVERIFY2(fixture.messages.brokenRule.empty(), fixture.messages.brokenRule.c_str());
    }

    // The viewer gets the help file's path as given; it reports a missing file itself.
    void helpOpensTheViewer() {
        MainWindowFixture withHelp({7, 13}, "/no/such/T\u00e9n\u00e9brix.hlp");
        withHelp.control<QAction>("mnuHelpContents")->trigger();
        QCOMPARE(withHelp.help.helpFilesShown, QStringList{"/no/such/T\u00e9n\u00e9brix.hlp"});
        QVERIFY(withHelp.messages.shown.empty());
    }
};

QTEST_MAIN(FrmMainPlayTest)
#include "test_frmmain_play.moc"
