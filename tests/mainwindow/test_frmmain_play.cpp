// Playing through the main window's controls: moves, wins and their
// messages, the settings scroll bars, the move preview, tile numbers, the
// keyboard and help.
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>

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
    void clicksFlipTheMoveAndCount();
    void winsAnnounceEachMessage_data();
    void winsAnnounceEachMessage();
    void scrollBarsChangeTheSettings();
    void previewFollowsThePointer();
    void tileNumberLabelOnlyForgetsTheShownTile();
    void altHPressesHintAndF10ReachesHelp();
    void helpOpensTheViewerOrSaysThereIsNone();
};

void FrmMainPlayTest::clicksFlipTheMoveAndCount() {
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
    QCOMPARE(fixture.caption("lblPuzState"), startCaption(1, {7, 13}));
    QVERIFY(fixture.messages.shown.empty());
}

void FrmMainPlayTest::winsAnnounceEachMessage_data() {
    QTest::addColumn<bool>("hintFirst");
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("yesNo");
    QTest::addColumn<int>("levelAfter");
    const QString solved =
        "We have a winner!!\r\n\r\nYou have solved this  2 move puzzle in %1 moves.";
    const QString offer = solved.arg(2) + "\r\n\r\nWould you like to move to level  3";
    QTest::newRow("offer taken") << false << QList<int>{7, 13} << int(MessageAnswer::Yes) << offer
                                 << true << 3;
    QTest::newRow("offer declined")
        << false << QList<int>{13, 7} << int(MessageAnswer::No) << offer << true << 2;
    QTest::newRow("too many moves") << false << QList<int>{7, 1, 1, 13} << int(MessageAnswer::Ok)
                                    << solved.arg(4) << false << 2;
    QTest::newRow("after a hint") << true << QList<int>{7, 13} << int(MessageAnswer::Ok)
                                  << solved.arg(2) +
                                         "\r\n\r\nOf course you did get a hint or two!!!"
                                  << false << 2;
}

void FrmMainPlayTest::winsAnnounceEachMessage() {
    QFETCH(bool, hintFirst);
    QFETCH(QList<int>, clicks);
    QFETCH(int, answer);
    QFETCH(QString, text);
    QFETCH(bool, yesNo);
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
    fixture.messages.answers.push_back(static_cast<MessageAnswer>(answer));

    if (hintFirst) QTest::mouseClick(fixture.control("cmdHint"), Qt::LeftButton);
    fixture.click(std::vector<int>(clicks.begin(), clicks.end()));

    QCOMPARE(fixture.messages.shown.size(), size_t(hintFirst ? 2 : 1));
    if (hintFirst) {
        const Message hint = fixture.messages.shown.front();
        QCOMPARE(QString::fromStdString(hint.text), QString("Why don't you try tile number:  7"));
        QCOMPARE(QString::fromStdString(hint.title), QString("Hint"));
        QVERIFY(fixture.control<QAction>("mnuTileNumbers")->isChecked());
        QVERIFY(fixture.control("lblTileNumbers(7)")->isVisible());
    }
    const Message win = fixture.messages.shown.back();
    QCOMPARE(QString::fromStdString(win.text), text);
    QCOMPARE(QString::fromStdString(win.title), QString("Congratulations"));
    QCOMPARE(win.buttons, yesNo ? MessageButtons::YesNo : MessageButtons::Ok);
    QCOMPARE(win.icon, MessageIcon::None);
    QCOMPARE(fixture.messages.owners.back(), fixture.window.get());
    // The level scroll bar follows a raised level without a second reaction
    // of its own: the last scripted puzzle is the one in play.
    QCOMPARE(fixture.control<QScrollBar>("ScrollLevel")->value(), levelAfter);
    QCOMPARE(fixture.caption("lblLevel"), QString("Level:  %1").arg(levelAfter));
    QCOMPARE(fixture.caption("lblMoves"), QString("0"));
    QCOMPARE(fixture.caption("lblPuzValue"), startCaption(1, next));
}

void FrmMainPlayTest::scrollBarsChangeTheSettings() {
    MainWindowFixture fixture({7, 13});
    QVERIFY(fixture.show());
    fixture.click({7});

    // A new tile set repaints the same board and keeps the count.
    fixture.control<QScrollBar>("ScrollTileSet")->setValue(3);
    QCOMPARE(pixelAt(fixture.control("PicOn"), {18, 18}), kYellow);
    QCOMPARE(tilesShowing(fixture, kYellow), std::vector<int>({8, 12, 13, 14, 18}));
    QCOMPARE(fixture.caption("lblMoves"), QString("1"));
    QCOMPARE(fixture.caption("lblTileSet"), QString("Change all tiles to black"));

    // A new mode shows its diagram and starts a new puzzle in it.
    auto* mode = fixture.control<QScrollBar>("ScrollMode");
    fixture.random.scriptPuzzle({3, 9});
    mode->setValue(2);
    for (int k = 1; k <= 9; ++k)
        QCOMPARE(fixture.control(ui::arrayName("picMode", k))->isVisible(), k == 2);
    QCOMPARE(fixture.caption("lblMode"), QString("Mode  2"));
    QCOMPARE(fixture.caption("lblMoves"), QString("0"));
    QCOMPARE(fixture.caption("lblPuzValue"), startCaption(2, {3, 9}));

    // A new level starts a puzzle of that many presses in the same mode.
    fixture.random.scriptPuzzle({1, 5, 21, 25, 13});
    fixture.control<QScrollBar>("ScrollLevel")->setValue(5);
    QCOMPARE(fixture.caption("lblLevel"), QString("Level:  5"));
    QCOMPARE(fixture.caption("lblPuzValue"), startCaption(2, {1, 5, 21, 25, 13}));

    // Dragging the thumb changes nothing until it is let go.
    mode->setSliderDown(true);
    mode->setSliderPosition(4);
    QCOMPARE(fixture.caption("lblMode"), QString("Mode  2"));
    mode->setSliderDown(false);
    QCOMPARE(fixture.caption("lblMode"), QString("Mode  4"));
}

void FrmMainPlayTest::previewFollowsThePointer() {
    MainWindowFixture fixture({7, 13});
    QVERIFY(fixture.show());
    QWidget* client = fixture.window->centralWidget();
    const std::vector<int> plus13{8, 12, 13, 14, 18};
    fixture.pointAt(fixture.tile(13));
    QCOMPARE(markedTiles(fixture), plus13);
    // The colour shows in the picture's margin; an unmarked tile keeps the
    // platform's colour there.
    QCOMPARE(pixelAt(fixture.tile(8), {3, 3}), QColor(0, 255, 0));
    QCOMPARE(pixelAt(fixture.tile(1), {3, 3}), fixture.tile(1)->palette().color(QPalette::Button));

    // Across the gap to tile 14: the gap is bare window and clears first.
    fixture.pointAt(client, {153, 128});
    QVERIFY(markedTiles(fixture).empty());
    QCOMPARE(pixelAt(fixture.tile(8), {3, 3}), QColor(192, 192, 192));
    fixture.pointAt(fixture.tile(14));
    QCOMPARE(markedTiles(fixture), std::vector<int>({9, 13, 14, 15, 19}));

    // Controls inside the frame and the status bar leave the preview alone;
    // the frame's own area, Hint and Reset clear it.
    for (const char* name : {"lblMode", "ScrollMode", "PicOn", "sbStatusBar", "cmdNewPuzzle"}) {
        fixture.pointAt(fixture.control(name));
        QVERIFY2(!markedTiles(fixture).empty(), name);
    }
    const QList<std::pair<QWidget*, QPoint>> clearing{{fixture.control("Frame1"), QPoint(5, 150)},
                                                      {fixture.control("cmdHint"), QPoint()},
                                                      {fixture.control("cmdReset"), QPoint()}};
    for (const auto& [widget, pos] : clearing) {
        fixture.pointAt(client, {153, 128});
        fixture.pointAt(fixture.tile(13));
        QCOMPARE(markedTiles(fixture), plus13);
        fixture.pointAt(widget, pos);
        QVERIFY2(markedTiles(fixture).empty(), qPrintable(widget->objectName()));
    }

    // New Puzzle clears it when the button comes up over it.
    fixture.pointAt(fixture.tile(13));
    QTest::mouseClick(fixture.control("cmdNewPuzzle"), Qt::LeftButton);
    QVERIFY(markedTiles(fixture).empty());
}

void FrmMainPlayTest::tileNumberLabelOnlyForgetsTheShownTile() {
    MainWindowFixture fixture;
    QVERIFY(fixture.show());
    QAction* item = fixture.control<QAction>("mnuTileNumbers");
    item->trigger();
    QVERIFY(item->isChecked());
    for (int n = 1; n <= kTileCount; ++n) {
        const auto* label = fixture.control<QLabel>(ui::arrayName("lblTileNumbers", n));
        QVERIFY(label->isVisible());
        QCOMPARE(label->text(), QString(" %1").arg(n));
    }
    fixture.pointAt(fixture.tile(8));
    fixture.pointAt(fixture.control("lblTileNumbers(8)"), {18, 6});
    QCOMPARE(markedTiles(fixture), std::vector<int>({3, 7, 8, 9, 13}));
    QCOMPARE(fixture.window->game().preview().shownTile(), 0);

    item->trigger();
    QVERIFY(!item->isChecked());
    QVERIFY(!fixture.control("lblTileNumbers(8)")->isVisible());
}

void FrmMainPlayTest::altHPressesHintAndF10ReachesHelp() {
    MainWindowFixture fixture;
    QVERIFY(fixture.show());
    fixture.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(fixture.window.get()));

    // "&Hint" and "&Help" both claim Alt+H; the button wins.
    QTest::keyClick(fixture.window.get(), Qt::Key_H, Qt::AltModifier);
    QCOMPARE(fixture.messages.shown.size(), size_t(1));
    QCOMPARE(QString::fromStdString(fixture.messages.shown.back().title), QString("Hint"));
    QCOMPARE(QApplication::activePopupWidget(), nullptr);
    QTest::keyClick(fixture.window.get(), Qt::Key_H, Qt::ControlModifier);
    QCOMPARE(fixture.messages.shown.size(), size_t(2));

    // The Help menu is one step left of File, where F10 starts.
    QTest::keyClick(fixture.window.get(), Qt::Key_F10);
    QCOMPARE(QApplication::activePopupWidget(), fixture.control("mnuFile"));
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Left);
    QCOMPARE(QApplication::activePopupWidget(), fixture.control("mnuHelp"));
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
}

void FrmMainPlayTest::helpOpensTheViewerOrSaysThereIsNone() {
    MainWindowFixture withoutHelp({7, 13}, QString());
    withoutHelp.control<QAction>("mnuHelpContents")->trigger();
    QVERIFY(withoutHelp.help.requests.isEmpty());
    QCOMPARE(withoutHelp.messages.shown.size(), size_t(1));
    const Message none = withoutHelp.messages.shown.front();
    QCOMPARE(QString::fromStdString(none.text),
             QString("Unable to display Help Contents. There is no Help associated with this "
                     "project."));
    QCOMPARE(QString::fromStdString(none.title), QString("Tenebrix"));
    QCOMPARE(none.icon, MessageIcon::Information);
    QCOMPARE(none.buttons, MessageButtons::Ok);

    // Each request goes to the viewer, which reports a missing file itself.
    MainWindowFixture withHelp({7, 13}, "/no/such/Tenebrix.hlp");
    QSignalSpy about(withHelp.window.get(), &ui::frmMain::aboutRequested);
    for (int asked = 1; asked <= 2; ++asked) {
        withHelp.control<QAction>("mnuHelpContents")->trigger();
        QCOMPARE(withHelp.help.requests.size(), asked);
        QCOMPARE(withHelp.help.requests.back().owner, withHelp.window.get());
        QCOMPARE(withHelp.help.requests.back().helpFile, QString("/no/such/Tenebrix.hlp"));
    }
    QVERIFY(withHelp.messages.shown.empty());
    withHelp.control<QAction>("mnuHelpAbout")->trigger();
    QCOMPARE(about.count(), 1);
}

QTEST_MAIN(FrmMainPlayTest)
#include "test_frmmain_play.moc"
