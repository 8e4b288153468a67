// SPDX-License-Identifier: GPL-3.0-or-later
// Closing the main window and what it leaves behind: the placement written
// to the settings store, other windows closed; the placement's arithmetic,
// and the real message boxes.
#include <QAction>

#include "MainWindowFixture.h"
#include "ModalMessageBox.h"
#include "WindowPlacement.h"

using namespace tenebrix;
using namespace tenebrix::testing;

namespace {
QString stored(const MainWindowFixture& fixture, const char* key) {
    return fixture.store.values.value(QStringLiteral("Tenebrix/Settings/") + key);
}
}  // namespace

class FrmMainCloseTest : public QObject {
    Q_OBJECT

  private slots:
    void closingWritesThePlacementInTwips();
    void minimisedOrFailingStoreStillCloses();
    void placementArithmetic();
    void messageBoxesCarryTheGamesWords();
};

void FrmMainCloseTest::closingWritesThePlacementInTwips() {
    MainWindowFixture fixture;
    QVERIFY(fixture.show());
    QWidget other;
    other.show();
    fixture.window->move(100, 120);
    QTRY_COMPARE(fixture.window->frameGeometry().topLeft(), QPoint(100, 120));
    const QRect outer = fixture.window->frameGeometry();

    fixture.control<QAction>("mnuFileExit")->trigger();
    QVERIFY(!fixture.window->isVisible());
    QVERIFY(!other.isVisible());
    QCOMPARE(fixture.store.writes, 4);
    QCOMPARE(stored(fixture, "MainLeft"), QString("1500"));
    QCOMPARE(stored(fixture, "MainTop"), QString("1800"));
    QCOMPARE(stored(fixture, "MainWidth"), QString::number(outer.width() * 15));
    QCOMPARE(stored(fixture, "MainHeight"), QString::number(outer.height() * 15));
}

void FrmMainCloseTest::minimisedOrFailingStoreStillCloses() {
    MainWindowFixture minimised;
    QVERIFY(minimised.show());
    minimised.window->showMinimized();
    QVERIFY(minimised.window->close());
    QCOMPARE(minimised.store.writes, 0);

    MainWindowFixture failing;
    failing.store.failWrites = true;
    QVERIFY(failing.show());
    QVERIFY(failing.window->close());
    QVERIFY(!failing.window->isVisible());
    QVERIFY(failing.store.writes > 0);
}

void FrmMainCloseTest::placementArithmetic() {
    // A screen 605 twips taller than the window puts it 302.5 down: halves
    // go to the even neighbour.
    QCOMPARE(ui::centredTopTwips(11520, 11520 - 605), 302);
    QCOMPARE(ui::centredTopTwips(11520, 11520 - 607), 304);
    QCOMPARE(ui::roundHalfEvenToInt16(40000.0), 32767);
    // At most seven significant digits, with the user's decimal separator.
    QCOMPARE(ui::placementText(2160.0f, QLocale::c()), QString("2160"));
    QCOMPARE(ui::placementText(1234.5f, QLocale("de_DE")), QString("1234,5"));
    QCOMPARE(ui::placementText(12345678.0f, QLocale::c()), QString("1.234568E+07"));
}

void FrmMainCloseTest::messageBoxesCarryTheGamesWords() {
    const Message offer{"We have a winner!!\r\n\r\nYes?", "Congratulations", MessageButtons::YesNo,
                        MessageIcon::None};
    const auto box = ui::makeMessageBox(nullptr, offer);
    QCOMPARE(box->text(), QString("We have a winner!!\n\nYes?"));
    QCOMPARE(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
    // A Yes/No box closed without a choice is a No.
    QCOMPARE(ui::answerFor(QMessageBox::NoButton, MessageButtons::YesNo), MessageAnswer::No);
}

QTEST_MAIN(FrmMainCloseTest)
#include "test_frmmain_close.moc"
