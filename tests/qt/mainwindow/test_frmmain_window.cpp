// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as laid out and placed: control places, captions that fit, the
// status bar, where it opens and what closing stores, and the real message boxes.
#include <QAction>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStyleOptionButton>
#include <tuple>

#include "DateTimeStatusBar.h"
#include "MainWindowFixture.h"
#include "ModalMessageBox.h"
#include "WindowPlacement.h"

using namespace tenebrix;
using namespace tenebrix::testing;

class FrmMainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void opensCentredLaidOutAndStoresItsPlaceOnClosing() {
        MainWindowFixture fixture;
        QVERIFY(fixture.show());
        const QWidget* client = fixture.window->centralWidget();
        // It opens centred on the screen.
        const QPoint centre = fixture.window->screen()->geometry().center();
        QVERIFY((fixture.window->frameGeometry().center() - centre).manhattanLength() <= 2);
        QCOMPARE(fixture.control("sbStatusBar")->geometry(), QRect(0, client->y() + 310, 453, 18));
        // In pixels, within each control's container; resizing moves nothing.
        const QStringList names{"picTile(25)", "lblTileNumbers(7)", "cmdNewPuzzle", "Frame1",
                                "ScrollLevel"};
        const QList<QRect> places{QRect(210, 210, 36, 36), QRect(60, 95, 36, 11),
                                  QRect(90, 260, 76, 36), QRect(260, 5, 181, 291),
                                  QRect(25, 225, 126, 16)};
        fixture.window->resize(fixture.window->size() + QSize(120, 80));
        for (qsizetype i = 0; i < names.size(); ++i)
            QCOMPARE(fixture.control(names[i])->geometry(), places[i]);

        // The longest caption each label ever carries, and each button's.
        const QStringList labels{"lblTileSet", "lblMode", "lblLevel", "lblMoves",
                                 "lblTileNumbers(25)"};
        const QStringList longest{"Change all tiles to black", "Mode  9", "Level:  20", "999",
                                  " 25"};
        for (qsizetype i = 0; i < labels.size(); ++i) {
            const QLabel* label = fixture.control<QLabel>(labels[i]);
            const QFontMetrics metrics(label->font());
            QVERIFY2(metrics.horizontalAdvance(longest[i]) <= label->contentsRect().width() &&
                         metrics.ascent() <= label->height(),
                     qPrintable(labels[i]));
        }
        for (const char* name : {"cmdHint", "cmdNewPuzzle", "cmdReset"}) {
            QPushButton* button = fixture.control<QPushButton>(name);
            QStyleOptionButton option;
            option.initFrom(button);
            const QRect room =
                button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
            QVERIFY2(
                button->fontMetrics().horizontalAdvance(button->text().remove('&')) <= room.width(),
                name);
        }

        auto* statusBar = fixture.control<qt::DateTimeStatusBar>("sbStatusBar");
        const QDateTime when(QDate(2001, 2, 3), QTime(4, 5, 6));
        statusBar->showDateTime(when);
        const QLocale locale = QLocale::system();
        // Without a configured locale the clock shows hours and minutes, no seconds.
        const QString time = locale.language() == QLocale::C
                                 ? QString("04:05")
                                 : locale.toString(when.time(), QLocale::ShortFormat);
        const QStringList panels{fixture.caption("Panels(1)"), fixture.caption("Panels(2)"),
                                 fixture.caption("Panels(3)")};
        QCOMPARE(panels, QStringList({"Status Bar",
                                      locale.toString(when.date(), QLocale::ShortFormat), time}));
        // The clock wakes on the next minute, or second where seconds show: a whole
        // period from the turn itself, one millisecond before it, one less after it.
        const std::tuple<QTime, bool, int> wakes[] = {
            {QTime(12, 34, 56, 789), false, 3211}, {QTime(12, 34, 56, 789), true, 211},
            {QTime(12, 34, 59, 999), false, 1},    {QTime(12, 35, 0, 0), false, 60000},
            {QTime(12, 35, 0, 1), false, 59999},   {QTime(12, 34, 56, 999), true, 1},
            {QTime(12, 34, 57, 0), true, 1000},    {QTime(12, 34, 57, 1), true, 999}};
        for (const auto& [now, seconds, msecs] : wakes)
            QVERIFY2(statusBar->msecsToNextChange(now, seconds) == msecs,
                     qPrintable(now.toString("HH:mm:ss.zzz")));
        QAction* item = fixture.control<QAction>("mnuViewStatusBar");
        const QSize size = fixture.window->size();
        for (const bool shown : {false, true}) {
            item->trigger();
            QCOMPARE(std::pair(statusBar->isVisible(), item->isChecked()), std::pair(shown, shown));
            QCOMPARE(fixture.window->size(), size);
        }

        // Closing writes where it was in twips and closes the other windows.
        QWidget other;
        other.show();
        fixture.window->move(100, 120);
        QTRY_COMPARE(fixture.window->frameGeometry().topLeft(), QPoint(100, 120));
        const QRect outer = fixture.window->frameGeometry();

        fixture.control<QAction>("mnuFileExit")->trigger();
        QVERIFY(!fixture.window->isVisible());
        QVERIFY(!other.isVisible());
        const std::string key = "Tenebrix/Settings/Main";
        const std::map<std::string, std::string> placement{
            {key + "Left", "1500"},
            {key + "Top", "1800"},
            {key + "Width", std::to_string(outer.width() * 15)},
            {key + "Height", std::to_string(outer.height() * 15)}};
        QCOMPARE(fixture.store.values, placement);
    }

    // The menu bar item by item, as the game's documents give it: name,
    // caption with its access key, shortcut and check mark.
    void menusAndCaptionAlignmentsAsDocumented() {
        MainWindowFixture fixture;
        QStringList items;
        for (QAction* entry : fixture.window->menuBar()->actions()) {
            items << entry->menu()->objectName() + " " + entry->text();
            for (QAction* item : entry->menu()->actions()) {
                const QString check =
                    item->isCheckable() ? (item->isChecked() ? "[x]" : "[ ]") : QString();
                items << QStringList{"", item->objectName(),
                                     item->isSeparator() ? "-" : item->text(),
                                     item->shortcut().toString(), check}
                             .join(' ')
                             .trimmed();
            }
        }
        QCOMPARE(
            items,
            QStringList({"mnuFile &File", "mnuHint &Hint Ctrl+H", "mnuFileNew &New Puzzle Ctrl+N",
                         "mnuReset &Reset Puzzle Ctrl+R", "mnuFileBar1 -", "mnuFileExit E&xit",
                         "mnuView &View", "mnuViewStatusBar Status &Bar  [x]",
                         "mnuTileNumbers &Tile Numbers  [ ]", "mnuHelp &Help",
                         "mnuHelpContents How to Play", "mnuHelpBar1 -",
                         "mnuHelpAbout &About Tenebrix..."}));

        // Captions sit at the top of their labels; "Moves:" ends where the
        // counter's digits begin.
        const std::pair<const char*, Qt::Alignment> alignments[] = {
            {"lblTileSet", Qt::AlignHCenter}, {"lblMode", Qt::AlignHCenter},
            {"lblLevel", Qt::AlignHCenter},   {"lblMovesLabel", Qt::AlignRight},
            {"lblMoves", Qt::AlignLeft},      {"lblTileNumbers(13)", Qt::AlignHCenter}};
        for (const auto& [name, across] : alignments)
            QCOMPARE(fixture.control<QLabel>(name)->alignment(), across | Qt::AlignTop);
        QCOMPARE(fixture.control<QGroupBox>("Frame1")->title(), QString("Puzzle Settings"));
        QCOMPARE(fixture.window->windowTitle(), QString("Tenebrix"));
    }

    void minimisedOrFailingStoreStillCloses() {
        MainWindowFixture minimised;
        minimised.window->showMinimized();
        QVERIFY(minimised.window->close());
        QCOMPARE(minimised.store.writes, 0);

        MainWindowFixture failing;
        failing.store.failWrites = true;
        QVERIFY(failing.show() && failing.window->close() && !failing.window->isVisible());
        QVERIFY(failing.store.writes > 0);
    }

    void placementArithmeticAndMessageBoxes() {
        // 605 twips to spare puts it 302.5 down: halves go to the even neighbour.
        QCOMPARE(ui::centredTopTwips(11520, 11520 - 605), 302);
        QCOMPARE(ui::centredTopTwips(11520, 11520 - 607), 304);
        QCOMPARE(ui::roundHalfEvenToInt16(40000.0), 32767);
        // At most seven significant digits, with the user's decimal separator.
        QCOMPARE(qt::placementTextIn(2160.0f, QLocale::c()), QString("2160"));
        QCOMPARE(qt::placementTextIn(1234.5f, QLocale("de_DE")), QString("1234,5"));
        QCOMPARE(qt::placementTextIn(12345678.0f, QLocale::c()), QString("1.234568E+07"));
        // A real message box carries the game's words with its line breaks.
        const Message offer{"We have a winner!!\r\n\r\nYes?", "Congratulations",
                            MessageButtons::YesNo, MessageIcon::None};
        const auto box = qt::makeMessageBox(nullptr, offer);
        QCOMPARE(box->text(), QString("We have a winner!!\n\nYes?"));
        QCOMPARE(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
        // A Yes/No box closed without a choice is a No.
        QCOMPARE(qt::answerFor(QMessageBox::NoButton, MessageButtons::YesNo), MessageAnswer::No);
    }
};

QTEST_MAIN(FrmMainWindowTest)
#include "test_frmmain_window.moc"
