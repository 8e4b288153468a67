// SPDX-License-Identifier: GPL-3.0-or-later
// The main window from the keyboard: Qt's keys as the window's rules read
// them; the board (Tab reaches it, the arrows move its focus, Space and Enter
// play, each tile reads its state to a screen reader); access keys only with
// Alt; the scroll bars' keys; the focus after a modal box.
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QScrollBar>
#include <algorithm>
#include <map>

#include "MainWindowControls.h"
#include "MainWindowFixture.h"
#include "ModalCatcher.h"
#include "QtKeys.h"

using namespace tenebrix;
using namespace tenebrix::testing;

namespace {

void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

// Moves the focus over the board: L, R, U and D for the four arrows.
void walk(const QString& steps) {
    const std::map<QChar, Qt::Key> arrows{
        {'L', Qt::Key_Left}, {'R', Qt::Key_Right}, {'U', Qt::Key_Up}, {'D', Qt::Key_Down}};
    for (const QChar step : steps) press(arrows.at(step));
}

}  // namespace

class FrmMainKeyboardTest : public QObject {
    Q_OBJECT

  private slots:
    // Which key, and which of Alt, Ctrl and Shift: the keypad's Enter is
    // Enter, Shift+Tab comes as Backtab, a letter is its capital whatever
    // Shift does, and a key held with the logo key is none of the game's.
    void keysAsTheRulesReadThem() {
        using ui::Key;
        struct Case {
            Qt::Key key;
            Qt::KeyboardModifiers held;
            bool repeat;
            ui::KeyPress read;
        };
        const Case cases[] = {
            {Qt::Key_A, Qt::NoModifier, false, {Key::Letter, 'A'}},
            {Qt::Key_N, Qt::AltModifier, false, {Key::Letter, 'N', true}},
            {Qt::Key_R, Qt::ControlModifier, false, {Key::Letter, 'R', false, true}},
            {Qt::Key_7, Qt::NoModifier, false, {Key::Letter, '7'}},
            {Qt::Key_Enter, Qt::KeypadModifier, false, {Key::Enter}},
            {Qt::Key_Return, Qt::NoModifier, true, {Key::Enter, 0, false, false, false, true}},
            {Qt::Key_Space, Qt::NoModifier, true, {Key::Space, 0, false, false, false, true}},
            {Qt::Key_Left, Qt::KeypadModifier, false, {Key::Left}},
            {Qt::Key_Down, Qt::ShiftModifier, false, {Key::Down, 0, false, false, true}},
            {Qt::Key_Home, Qt::NoModifier, false, {Key::Home}},
            {Qt::Key_PageDown, Qt::NoModifier, false, {Key::PageDown}},
            {Qt::Key_Escape, Qt::NoModifier, false, {Key::Escape}},
            {Qt::Key_Backtab, Qt::NoModifier, false, {Key::Tab, 0, false, false, true}},
            {Qt::Key_F10, Qt::NoModifier, false, {Key::F10}},
            {Qt::Key_F9, Qt::NoModifier, false, {Key::Other}},
            {Qt::Key_Eacute, Qt::NoModifier, false, {Key::Other}},
            {Qt::Key_H, Qt::MetaModifier, false, {Key::Other}},
        };
        const auto describe = [](const ui::KeyPress& k) {
            return QStringLiteral("key %1 '%2' alt %3 ctrl %4 shift %5 repeat %6")
                .arg(int(k.key))
                .arg(k.letter ? QChar(k.letter) : QChar('-'))
                .arg(k.alt)
                .arg(k.ctrl)
                .arg(k.shift)
                .arg(k.repeat);
        };
        for (const Case& c : cases) {
            const QKeyEvent event(QEvent::KeyPress, c.key, c.held, QString(), c.repeat);
            QCOMPARE(describe(qt::keyPressOf(event)), describe(c.read));
        }
    }

    // A plain letter with the focus on a button does nothing; Alt and a
    // button's letter presses it, wherever the focus is, and the button
    // takes the focus.
    void accessKeysFireOnlyWithAlt() {
        MainWindowFixture fixture({7, 13});
        QVERIFY(fixture.show(true));
        fixture.click({1});
        for (const char* name : {"cmdHint", "cmdNewPuzzle", "cmdReset"}) {
            fixture.control(name)->setFocus();
            for (const Qt::Key key : {Qt::Key_H, Qt::Key_N, Qt::Key_R}) press(key);
        }
        QCOMPARE(fixture.caption("lblMoves"), QString("1"));
        QCOMPARE(fixture.caption("lblPuzValue"), startCaption(1, {7, 13}));
        QVERIFY(fixture.messages.shown.empty());
        fixture.control("ScrollLevel")->setFocus();
        press(Qt::Key_R, Qt::AltModifier);
        QCOMPARE(fixture.caption("lblMoves"), QString("0"));
        QCOMPARE(QApplication::focusWidget(), fixture.control("cmdReset"));
        fixture.random.scriptPuzzle({2, 24});
        press(Qt::Key_N, Qt::AltModifier);
        QCOMPARE(fixture.caption("lblPuzValue"), startCaption(1, {2, 24}));
        QCOMPARE(QApplication::focusWidget(), fixture.control("cmdNewPuzzle"));
    }

    // A scroll bar in focus steps its setting by the rules' keys: the arrows
    // by one (Up as Left, Down as Right), the page keys by one, Home and End
    // to the ends. The bar shows the setting, and the game plays it.
    void scrollBarKeysStepTheSetting() {
        MainWindowFixture fixture({7, 13});
        QVERIFY(fixture.show(true));
        auto* mode = fixture.control<QScrollBar>("ScrollMode");
        mode->setFocus();
        // Which step each key makes is the rules' table; here each arrives once.
        const QList<std::pair<Qt::Key, int>> steps{
            {Qt::Key_End, 9}, {Qt::Key_Up, 8}, {Qt::Key_Home, 1}, {Qt::Key_PageDown, 2}};
        for (const auto& [key, shown] : steps) {
            press(key);
            QCOMPARE(mode->value(), shown);
            QCOMPARE(fixture.window->game().settings().mode, shown);
            QCOMPARE(fixture.caption("lblMode"), QString("Mode  %1").arg(shown));
            QVERIFY(fixture.control(controlName("picMode", shown))->isVisible());
        }
        QCOMPARE(QApplication::focusWidget(), mode);
    }

    // After a message box or the About box closes, the control that had the
    // focus has it again, even when something gave another control the
    // focus while the box was up (as a platform may do when it hands the
    // window back): the window reads which control had it and gives it back.
    void focusComesBackAfterModalBoxes() {
        MainWindowFixture fixture({7, 13}, {}, Boxes::Real);
        QObject::connect(fixture.window.get(), &qt::frmMain::aboutRequested, fixture.window.get(),
                         [&] { QDialog(fixture.window.get()).exec(); });
        QVERIFY(fixture.show(true));
        ModalCatcher boxes;
        boxes.whileOpen = [&] { fixture.control("cmdHint")->setFocus(); };
        fixture.control("cmdReset")->setFocus();
        press(Qt::Key_H, Qt::ControlModifier);  // the hint's message
        QCOMPARE(boxes.seen.size(), std::size_t(1));
        QCOMPARE(fixture.window->focusWidget(), fixture.control("cmdReset"));
        fixture.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(fixture.window.get()));
        fixture.control("cmdHint")->setFocus();
        QCOMPARE(QApplication::focusWidget(), fixture.control("cmdHint"));
        press(Qt::Key_Backtab, Qt::ShiftModifier);
        walk("DDRR");
        QCOMPARE(QApplication::focusWidget(), fixture.tile(13));
        fixture.control<QAction>("mnuHelpAbout")->trigger();
        QCOMPARE(boxes.seen.size(), std::size_t(2));
        QCOMPARE(fixture.window->focusWidget(), fixture.tile(13));
    }

    void boardPlaysFromTheKeyboard() {
        MainWindowFixture fixture({7, 13});
        QVERIFY(fixture.show(true));
        // Hint has the first focus and the board is one stop in the chain, not 25.
        QStringList visited;
        for (int stop = 0; stop < 7; ++stop, visited << QApplication::focusWidget()->objectName())
            press(Qt::Key_Tab);
        QCOMPARE(visited, QStringList({"cmdNewPuzzle", "cmdReset", "ScrollTileSet", "ScrollMode",
                                       "ScrollLevel", "picTile(1)", "cmdHint"}));
        // The order the table lists its tab stops in, tile 1 being the board's stop.
        QStringList fromTable;
        for (const forms::Control& row : forms::frmMain::kControls) {
            if (row.tabStop && (!row.boardTile || row.index == 1))
                fromTable << QString::fromStdString(row.fullName());
        }
        std::rotate(fromTable.begin(), fromTable.begin() + fromTable.indexOf("cmdHint") + 1,
                    fromTable.end());
        QCOMPARE(visited, fromTable);
        press(Qt::Key_Backtab, Qt::ShiftModifier);
        // The arrows stop at the edges; each walk starts where the one before ended.
        const QList<std::pair<QString, int>> walks{
            {"LUU", 1}, {"DDRR", 13}, {"RRRRR", 15}, {"DDDDD", 25}, {"UL", 19}};
        for (const auto& [steps, tile] : walks) {
            walk(steps);
            QVERIFY2(QApplication::focusWidget() == fixture.tile(tile), qPrintable(steps));
        }
        // The mark lies on the focused tile alone, and moving it plays nothing.
        for (int n = 1; n <= kTileCount; ++n) {
            QWidget* box = fixture.tile(n);
            QCOMPARE(pixelAt(box, {0, 0}) == box->palette().color(QPalette::Highlight), n == 19);
        }
        QCOMPARE(fixture.caption("lblMoves"), QString("0"));

        // Space plays the focused tile as a click would, and a reader hears it.
        const auto readerName = [&](int n) {
            return QAccessible::queryAccessibleInterface(fixture.tile(n))->text(QAccessible::Name);
        };
        QCOMPARE(readerName(7), QString("Tile 7, lit"));
        walk("UULL");
        press(Qt::Key_Space);
        // Pressing 7 again leaves 13 pressed: 8, 12, 13, 14 and 18 lit.
        QCOMPARE(fixture.caption("lblPuzState"), startCaption(1, {13}));
        QCOMPARE(fixture.caption("lblMoves"), QString("1"));
        QCOMPARE(readerName(7), QString("Tile 7, dark"));
        QCOMPARE(readerName(18), QString("Tile 18, lit"));
        // A key held down plays once; Return and the keypad's Enter play too.
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(fixture.tile(7), &repeat);
        QCOMPARE(fixture.caption("lblMoves"), QString("1"));
        press(Qt::Key_Return);
        press(Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(fixture.caption("lblMoves"), QString("3"));
        // The board leaves Alt+H to Hint.
        press(Qt::Key_H, Qt::AltModifier);
        QCOMPARE(fixture.messages.shown.size(), size_t(1));
    }
};

QTEST_MAIN(FrmMainKeyboardTest)
#include "test_frmmain_keyboard.moc"
