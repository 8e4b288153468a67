// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as laid out and placed: control places, captions that fit,
// the status bar, where it opens, what closing writes to the settings store,
// and the real message boxes.
#include <QAction>
#include <QPushButton>
#include <QScreen>
#include <QStyleOptionButton>

#include "DateTimeStatusBar.h"
#include "MainWindowFixture.h"
#include "ModalMessageBox.h"
#include "WindowPlacement.h"

using namespace tenebrix;
using namespace tenebrix::testing;

namespace {

int roomForText(QPushButton* button) {
    QStyleOptionButton option;
    option.initFrom(button);
    return button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
}

QString stored(const MainWindowFixture& fixture, const char* key) {
    return fixture.store.values.value(QStringLiteral("Tenebrix/Settings/") + key);
}

}  // namespace

class FrmMainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void controlsSitWhereTheLayoutSaysAndCaptionsFit() {
        MainWindowFixture fixture;
        QVERIFY(fixture.show());
        const QWidget* client = fixture.window->centralWidget();
        QCOMPARE(client->width(), 453);
        QCOMPARE(fixture.control("sbStatusBar")->geometry(), QRect(0, client->y() + 310, 453, 18));
        // In pixels, within each control's container: a corner tile, a tile
        // number, a button, the frame and a control inside it.
        const QStringList names{"picTile(25)", "lblTileNumbers(7)", "cmdNewPuzzle", "Frame1",
                                "ScrollLevel"};
        const QList<QRect> places{QRect(210, 210, 36, 36), QRect(60, 95, 36, 11),
                                  QRect(90, 260, 76, 36), QRect(260, 5, 181, 291),
                                  QRect(25, 225, 126, 16)};
        for (int pass = 1; pass <= 2; ++pass) {
            QList<QRect> actual;
            for (const QString& name : names) actual << fixture.control(name)->geometry();
            QCOMPARE(actual, places);
            // Resizing moves nothing.
            fixture.window->resize(fixture.window->size() + QSize(120, 80));
        }

        // The longest caption each label ever carries.
        const QList<std::pair<const char*, QString>> labels{
            {"lblTileSet", "Change all tiles to black"},
            {"lblMode", "Mode  9"},
            {"lblLevel", "Level:  20"},
            {"lblMoves", "999"},
            {"lblTileNumbers(25)", " 25"}};
        for (const auto& [name, text] : labels) {
            const QLabel* label = fixture.control<QLabel>(name);
            const QFontMetrics metrics(label->font());
            QVERIFY2(metrics.horizontalAdvance(text) <= label->contentsRect().width(), name);
            QVERIFY2(metrics.ascent() <= label->height(), name);
        }
        for (const char* name : {"cmdHint", "cmdNewPuzzle", "cmdReset"}) {
            QPushButton* button = fixture.control<QPushButton>(name);
            const QString text = button->text().remove('&');
            QVERIFY2(button->fontMetrics().horizontalAdvance(text) <= roomForText(button), name);
        }
    }

    void statusBarShowsTheTimeAndTogglesInPlace() {
        MainWindowFixture fixture;
        QVERIFY(fixture.show());
        auto* statusBar = fixture.control<ui::DateTimeStatusBar>("sbStatusBar");
        const QDateTime when(QDate(2001, 2, 3), QTime(4, 5, 6));
        statusBar->showDateTime(when);
        const QLocale locale = QLocale::system();
        QCOMPARE(fixture.caption("Panels(1)"), QString("Status Bar"));
        QCOMPARE(fixture.caption("Panels(2)"), locale.toString(when.date(), QLocale::ShortFormat));
        // Without a configured locale the clock shows hours and minutes, no seconds.
        const QString time = locale.language() == QLocale::C
                                 ? QString("04:05")
                                 : locale.toString(when.time(), QLocale::ShortFormat);
        QCOMPARE(fixture.caption("Panels(3)"), time);
        QCOMPARE(statusBar->msecsToNextChange(QTime(12, 34, 56, 789), false), 3211);
        QCOMPARE(statusBar->msecsToNextChange(QTime(23, 59, 59, 999), false), 1);
        QCOMPARE(statusBar->msecsToNextChange(QTime(12, 34, 56, 789), true), 211);

        QAction* item = fixture.control<QAction>("mnuViewStatusBar");
        const QRect frame = fixture.control("Frame1")->geometry();
        const QSize size = fixture.window->size();
        for (const bool shown : {false, true}) {
            item->trigger();
            QCOMPARE(statusBar->isVisible(), shown);
            QCOMPARE(item->isChecked(), shown);
            QCOMPARE(fixture.control("Frame1")->geometry(), frame);
            QCOMPARE(fixture.window->size(), size);
        }
    }

    // It opens centred on the screen and closes anywhere, writing where it
    // was in twips and closing the other windows.
    void opensCentredAndClosingWritesThePlacementInTwips() {
        MainWindowFixture fixture;
        QVERIFY(fixture.show());
        const QRect screen = fixture.window->screen()->geometry();
        const QPoint offCentre = fixture.window->frameGeometry().center() - screen.center();
        QVERIFY2(qAbs(offCentre.x()) <= 1 && qAbs(offCentre.y()) <= 1,
                 qPrintable(QStringLiteral("%1, %2").arg(offCentre.x()).arg(offCentre.y())));
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

    void minimisedOrFailingStoreStillCloses() {
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

    void placementArithmetic() {
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

    void messageBoxesCarryTheGamesWords() {
        const Message offer{"We have a winner!!\r\n\r\nYes?", "Congratulations",
                            MessageButtons::YesNo, MessageIcon::None};
        const auto box = ui::makeMessageBox(nullptr, offer);
        QCOMPARE(box->text(), QString("We have a winner!!\n\nYes?"));
        QCOMPARE(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
        // A Yes/No box closed without a choice is a No.
        QCOMPARE(ui::answerFor(QMessageBox::NoButton, MessageButtons::YesNo), MessageAnswer::No);
    }
};

QTEST_MAIN(FrmMainWindowTest)
#include "test_frmmain_window.moc"
