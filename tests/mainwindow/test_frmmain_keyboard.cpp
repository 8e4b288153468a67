// The board from the keyboard and through a screen reader: Tab reaches it,
// the arrows move its focus mark, Space and Enter play what a click plays,
// and every tile tells a reader its number and whether it is lit.
#include <QAccessible>
#include <QApplication>
#include <algorithm>
#include <map>

#include "MainWindowFixture.h"

using namespace tenebrix;
using namespace tenebrix::testing;

namespace {

QAccessibleInterface* readerView(QWidget* widget) {
    QAccessibleInterface* view = QAccessible::queryAccessibleInterface(widget);
    if (!view) qFatal("no accessible interface for %s", qPrintable(widget->objectName()));
    return view;
}

QString readerName(QWidget* widget) {
    return readerView(widget)->text(QAccessible::Name);
}

// What a reader should say for each tile when exactly `lit` are lit.
QStringList namesWhenLit(const std::vector<int>& lit) {
    QStringList names;
    for (int n = 1; n <= kTileCount; ++n) {
        const bool on = std::find(lit.begin(), lit.end(), n) != lit.end();
        names << QStringLiteral("Tile %1, %2").arg(n).arg(on ? "lit" : "dark");
    }
    return names;
}

QStringList readerNames(const MainWindowFixture& fixture) {
    QStringList names;
    for (int n = 1; n <= kTileCount; ++n) names << readerName(fixture.tile(n));
    return names;
}

void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

// Shown, active, and the focus on the board's stop.
bool showWithBoardFocus(MainWindowFixture& fixture) {
    if (!fixture.show()) return false;
    fixture.window->activateWindow();
    if (!QTest::qWaitForWindowActive(fixture.window.get())) return false;
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    return true;
}

// Moves the focus over the board: L, R, U and D for the four arrows.
void walk(const QString& steps) {
    const std::map<QChar, Qt::Key> arrows{
        {'L', Qt::Key_Left}, {'R', Qt::Key_Right}, {'U', Qt::Key_Up}, {'D', Qt::Key_Down}};
    for (const QChar step : steps) press(arrows.at(step));
}

QColor markColour(QWidget* tile) {
    return tile->palette().color(QPalette::Highlight);
}

// The dotted square on the face: black and white dots along its top edge,
// whatever the face's colour.
bool showsDottedSquare(QWidget* tile) {
    const QImage drawn = tile->grab().toImage();
    bool black = false;
    bool white = false;
    for (int x = 10; x <= 25; ++x) {
        black = black || drawn.pixelColor(x, 10) == QColor(Qt::black);
        white = white || drawn.pixelColor(x, 10) == QColor(Qt::white);
    }
    return black && white;
}

}  // namespace

class FrmMainKeyboardTest : public QObject {
    Q_OBJECT

  private slots:
    void tabReachesTheBoardOnce();
    void arrowsMoveTheMarkAndStopAtTheEdges_data();
    void arrowsMoveTheMarkAndStopAtTheEdges();
    void spaceAndEnterPlayWhatAClickPlays_data();
    void spaceAndEnterPlayWhatAClickPlays();
    void menusAndHintKeepTheirKeysOnTheBoard();
    void mouseNeitherTakesNorMovesTheFocus();
    void readersHearEveryTileAndItsState();
    void scrollBarsAreNamedByTheirSettings();
};

// Hint keeps the first focus, as before; the board is one stop in the chain,
// not 25.
void FrmMainKeyboardTest::tabReachesTheBoardOnce() {
    MainWindowFixture fixture;
    QVERIFY(fixture.show());
    fixture.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(fixture.window.get()));
    QCOMPARE(QApplication::focusWidget(), fixture.control("cmdHint"));

    QStringList visited;
    for (int stop = 0; stop < 7; ++stop) {
        press(Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, QStringList({"cmdNewPuzzle", "cmdReset", "ScrollTileSet", "ScrollMode",
                                   "ScrollLevel", "picTile(1)", "cmdHint"}));
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), fixture.tile(1));
    QVERIFY(readerView(fixture.tile(1))->state().focused);
}

void FrmMainKeyboardTest::arrowsMoveTheMarkAndStopAtTheEdges_data() {
    QTest::addColumn<QString>("steps");
    QTest::addColumn<int>("tile");
    QTest::newRow("one right") << "R" << 2;
    QTest::newRow("left edge") << "L" << 1;
    QTest::newRow("top edge") << "UUU" << 1;
    QTest::newRow("to the centre") << "DDRR" << 13;
    QTest::newRow("right edge") << "RRRRRRR" << 5;
    QTest::newRow("bottom edge") << "DDDDDDD" << 21;
    QTest::newRow("past the far corner") << "RRRRRRDDDDDD" << 25;
    QTest::newRow("back up and left") << "DDDDRRRRUL" << 19;
}

void FrmMainKeyboardTest::arrowsMoveTheMarkAndStopAtTheEdges() {
    QFETCH(QString, steps);
    QFETCH(int, tile);
    MainWindowFixture fixture({7, 13});
    QVERIFY(showWithBoardFocus(fixture));
    walk(steps);
    QCOMPARE(QApplication::focusWidget(), fixture.tile(tile));

    // The mark lies on the border of the focused tile alone; its margin
    // still shows the back colour the move preview uses.
    for (int n = 1; n <= kTileCount; ++n) {
        QWidget* box = fixture.tile(n);
        QCOMPARE(pixelAt(box, {0, 0}) == markColour(box), n == tile);
        QCOMPARE(pixelAt(box, {1, 1}) == markColour(box), n == tile);
        QCOMPARE(pixelAt(box, {2, 2}), box->palette().color(QPalette::Button));
        QCOMPARE(showsDottedSquare(box), n == tile);
    }
    // Moving the focus plays nothing.
    QCOMPARE(fixture.caption("lblMoves"), QString("0"));
    QCOMPARE(fixture.caption("lblPuzState"), startCaption(1, {7, 13}));

    // Tab leaves the board and Shift+Tab comes back to the same tile.
    press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), fixture.control("cmdHint"));
    QVERIFY(pixelAt(fixture.tile(tile), {0, 0}) != markColour(fixture.tile(tile)));
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), fixture.tile(tile));
}

void FrmMainKeyboardTest::spaceAndEnterPlayWhatAClickPlays_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("Space") << int(Qt::Key_Space) << int(Qt::NoModifier);
    QTest::newRow("Return") << int(Qt::Key_Return) << int(Qt::NoModifier);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
}

// The same two moves, played by key in one window and by the mouse in a twin.
void FrmMainKeyboardTest::spaceAndEnterPlayWhatAClickPlays() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    const auto playKey = [&] {
        press(static_cast<Qt::Key>(key), static_cast<Qt::KeyboardModifiers>(modifiers));
    };
    MainWindowFixture byKey({7, 13});
    MainWindowFixture byMouse({7, 13});
    QVERIFY(byMouse.show());
    QVERIFY(showWithBoardFocus(byKey));

    walk("DR");
    playKey();
    byMouse.click({7});
    QCOMPARE(byKey.caption("lblMoves"), QString("1"));
    QCOMPARE(byKey.caption("lblPuzState"), byMouse.caption("lblPuzState"));
    QCOMPARE(byKey.caption("lblPuzState"), startCaption(1, {13}));
    QCOMPARE(pixelAt(byKey.tile(8), {18, 18}), pixelAt(byMouse.tile(8), {18, 18}));
    QCOMPARE(readerNames(byKey), readerNames(byMouse));
    QCOMPARE(readerName(byKey.tile(7)), QString("Tile 7, dark"));

    // A key held down plays once.
    QKeyEvent repeat(QEvent::KeyPress, key, static_cast<Qt::KeyboardModifiers>(modifiers),
                     QString(), true);
    QApplication::sendEvent(byKey.tile(7), &repeat);
    QCOMPARE(byKey.caption("lblMoves"), QString("1"));

    // The winning move brings the same message and the next puzzle.
    byKey.random.scriptPuzzle({21, 25});
    byMouse.random.scriptPuzzle({21, 25});
    walk("DR");
    playKey();
    byMouse.click({13});
    QCOMPARE(byKey.messages.shown.size(), size_t(1));
    QCOMPARE(byKey.messages.shown.back().text, byMouse.messages.shown.back().text);
    QCOMPARE(QString::fromStdString(byKey.messages.shown.back().title), QString("Congratulations"));
    QCOMPARE(byKey.caption("lblMoves"), QString("0"));
    QCOMPARE(byKey.caption("lblPuzValue"), startCaption(1, {21, 25}));
    QCOMPARE(QApplication::focusWidget(), byKey.tile(13));
}

void FrmMainKeyboardTest::menusAndHintKeepTheirKeysOnTheBoard() {
    MainWindowFixture fixture({7, 13});
    QVERIFY(showWithBoardFocus(fixture));
    walk("R");
    press(Qt::Key_Space);
    QCOMPARE(fixture.caption("lblMoves"), QString("1"));

    press(Qt::Key_H, Qt::AltModifier);
    QCOMPARE(fixture.messages.shown.size(), size_t(1));
    QCOMPARE(QString::fromStdString(fixture.messages.shown.back().title), QString("Hint"));
    press(Qt::Key_H, Qt::ControlModifier);
    QCOMPARE(fixture.messages.shown.size(), size_t(2));

    fixture.tile(2)->setFocus();
    press(Qt::Key_R, Qt::ControlModifier);
    QCOMPARE(fixture.caption("lblMoves"), QString("0"));
    QCOMPARE(fixture.caption("lblPuzState"), startCaption(1, {7, 13}));

    fixture.tile(2)->setFocus();
    fixture.random.scriptPuzzle({1, 25});
    press(Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(fixture.caption("lblPuzValue"), startCaption(1, {1, 25}));
}

// A click plays its tile and leaves the focus where it was, so the mouse
// never shows a mark.
void FrmMainKeyboardTest::mouseNeitherTakesNorMovesTheFocus() {
    MainWindowFixture fixture({7, 13});
    QVERIFY(fixture.show());
    fixture.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(fixture.window.get()));
    fixture.click({7});
    QCOMPARE(QApplication::focusWidget(), fixture.control("cmdHint"));
    QVERIFY(pixelAt(fixture.tile(7), {0, 0}) != markColour(fixture.tile(7)));
    QVERIFY(!showsDottedSquare(fixture.tile(7)));

    press(Qt::Key_Backtab, Qt::ShiftModifier);
    fixture.click({25});
    QCOMPARE(fixture.caption("lblMoves"), QString("2"));
    QCOMPARE(QApplication::focusWidget(), fixture.tile(1));
    QVERIFY(pixelAt(fixture.tile(25), {0, 0}) != markColour(fixture.tile(25)));
}

void FrmMainKeyboardTest::readersHearEveryTileAndItsState() {
    MainWindowFixture fixture({7, 13});
    QVERIFY(fixture.show());
    for (int n = 1; n <= kTileCount; ++n)
        QCOMPARE(readerView(fixture.tile(n))->role(), QAccessible::Button);
    // Pressing 7 and 13 in mode 1 lights 2, 6, 7, 13, 14 and 18.
    QCOMPARE(readerNames(fixture), namesWhenLit({2, 6, 7, 13, 14, 18}));

    // Every move renames the tiles it flips.
    fixture.click({7});
    QCOMPARE(readerNames(fixture), namesWhenLit({8, 12, 13, 14, 18}));

    // A reader's press action plays the tile too.
    QAccessibleActionInterface* actions = readerView(fixture.tile(1))->actionInterface();
    QVERIFY(actions);
    QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(fixture.caption("lblMoves"), QString("2"));
    QCOMPARE(readerNames(fixture), namesWhenLit({1, 2, 6, 8, 12, 13, 14, 18}));

    // A new puzzle renames the board it paints.
    fixture.random.scriptPuzzle({1, 25});
    QTest::mouseClick(fixture.control("cmdNewPuzzle"), Qt::LeftButton);
    QCOMPARE(readerNames(fixture), namesWhenLit({1, 2, 6, 20, 24, 25}));
}

void FrmMainKeyboardTest::scrollBarsAreNamedByTheirSettings() {
    MainWindowFixture fixture;
    const QList<std::pair<const char*, QString>> bars{
        {"ScrollTileSet", "Tile set"}, {"ScrollMode", "Mode"}, {"ScrollLevel", "Level"}};
    for (const auto& [name, setting] : bars) {
        QAccessibleInterface* view = readerView(fixture.control(name));
        QCOMPARE(view->role(), QAccessible::ScrollBar);
        QCOMPARE(view->text(QAccessible::Name), setting);
    }
}

QTEST_MAIN(FrmMainKeyboardTest)
#include "test_frmmain_keyboard.moc"
