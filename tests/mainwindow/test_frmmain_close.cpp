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
    void topEdgeRoundsHalvesToEven_data();
    void topEdgeRoundsHalvesToEven();
    void placementTextHasSevenDigitsAtMost_data();
    void placementTextHasSevenDigitsAtMost();
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

void FrmMainCloseTest::topEdgeRoundsHalvesToEven_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("rounded");
    QTest::newRow("half to even, down") << 302.5 << 302;
    QTest::newRow("half to even, up") << 303.5 << 304;
    QTest::newRow("negative half") << -302.5 << -302;
    QTest::newRow("below a half") << 302.49 << 302;
    QTest::newRow("beyond 16 bits") << 40000.0 << 32767;
    QTest::newRow("below 16 bits") << -40000.0 << -32768;
}

void FrmMainCloseTest::topEdgeRoundsHalvesToEven() {
    QFETCH(double, value);
    QFETCH(int, rounded);
    QCOMPARE(ui::roundHalfEvenToInt16(value), rounded);
    // A screen 605 twips taller than the window puts it 302.5 down: 302.
    QCOMPARE(ui::centredTopTwips(11520, 11520 - 605), 302);
    QCOMPARE(ui::centredTopTwips(11520, 11520 - 607), 304);
    QCOMPARE(ui::centredTopTwips(4500, 5715), -608);
}

void FrmMainCloseTest::placementTextHasSevenDigitsAtMost_data() {
    QTest::addColumn<float>("twips");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole") << 2160.0f << "C"
                           << "2160";
    QTest::newRow("negative") << -150.0f << "C"
                              << "-150";
    QTest::newRow("zero") << 0.0f << "C"
                          << "0";
    QTest::newRow("fraction, comma locale") << 1234.5f << "de_DE"
                                            << "1234,5";
    QTest::newRow("eight digits") << 12345678.0f << "C"
                                  << "1.234568E+07";
}

void FrmMainCloseTest::placementTextHasSevenDigitsAtMost() {
    QFETCH(float, twips);
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QCOMPARE(ui::placementText(twips, QLocale(locale)), text);
}

void FrmMainCloseTest::messageBoxesCarryTheGamesWords() {
    QWidget owner;
    const Message offer{"We have a winner!!\r\n\r\nYes?", "Congratulations", MessageButtons::YesNo,
                        MessageIcon::None};
    const auto box = ui::makeMessageBox(&owner, offer);
    QCOMPARE(box->text(), QString("We have a winner!!\n\nYes?"));
    QCOMPARE(box->windowTitle(), QString("Congratulations"));
    QCOMPARE(box->icon(), QMessageBox::NoIcon);
    QCOMPARE(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(box->windowModality(), Qt::ApplicationModal);
    QCOMPARE(box->textFormat(), Qt::PlainText);

    const Message info{"<b>none</b>", "Tenebrix", MessageButtons::Ok, MessageIcon::Information};
    const auto infoBox = ui::makeMessageBox(&owner, info);
    QCOMPARE(infoBox->icon(), QMessageBox::Information);
    QCOMPARE(infoBox->standardButtons(), QMessageBox::Ok);

    QCOMPARE(ui::answerFor(QMessageBox::Yes, MessageButtons::YesNo), MessageAnswer::Yes);
    QCOMPARE(ui::answerFor(QMessageBox::No, MessageButtons::YesNo), MessageAnswer::No);
    // A Yes/No box closed without a choice is a No; an OK box is always OK.
    QCOMPARE(ui::answerFor(QMessageBox::NoButton, MessageButtons::YesNo), MessageAnswer::No);
    QCOMPARE(ui::answerFor(QMessageBox::NoButton, MessageButtons::Ok), MessageAnswer::Ok);
}

QTEST_MAIN(FrmMainCloseTest)
#include "test_frmmain_close.moc"
