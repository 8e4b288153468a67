// SPDX-License-Identifier: GPL-3.0-or-later
// The board from the keyboard and through a screen reader: Tab reaches it, the
// arrows move its focus, Space and Enter play, and each tile reads its state.
#include <QAccessible>
#include <QApplication>
#include <algorithm>
#include <iterator>
#include <map>

#include "MainWindowFixture.h"
#include "TabOrder.h"

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
    void boardPlaysFromTheKeyboard() {
        MainWindowFixture fixture({7, 13});
        QVERIFY(fixture.show(true));
        // Hint has the first focus and the board is one stop in the chain, not 25.
        QStringList visited;
        for (int stop = 0; stop < 7; ++stop, visited << QApplication::focusWidget()->objectName())
            press(Qt::Key_Tab);
        QCOMPARE(visited, QStringList({"cmdNewPuzzle", "cmdReset", "ScrollTileSet", "ScrollMode",
                                       "ScrollLevel", "picTile(1)", "cmdHint"}));
        // The order every front end reads from the form, tile 1 being the board's stop.
        const auto& formOrder = forms::frmMain::kTabOrder;
        const auto focusAtStart =
            std::find_if(std::begin(formOrder), std::end(formOrder),
                         [](const char* name) { return name == forms::frmMain::kFocusAtStart; }) -
            std::begin(formOrder);
        QStringList fromForm;
        for (std::size_t i = 1; i <= std::size(formOrder); ++i) {
            const char* name = formOrder[(focusAtStart + i) % std::size(formOrder)];
            fromForm << (name == forms::frmMain::kBoardStop ? qt::arrayName(name, 1) : name);
        }
        QCOMPARE(visited, fromForm);
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
