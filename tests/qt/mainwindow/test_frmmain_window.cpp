// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as laid out from its control table and placed: control
// places and stacking, captions that fit, the status bar, where it opens and
// what closing stores, and the real message boxes.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStyleOptionButton>

#include "DateTimeStatusBar.h"
#include "MainMenuForm.h"
#include "MainWindowFixture.h"
#include "ModalMessageBox.h"

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

        // The status bar shows the clock's date and time in its panels.
        auto* statusBar = fixture.control<qt::DateTimeStatusBar>("sbStatusBar");
        const QStringList panels{fixture.caption("Panels(1)"), fixture.caption("Panels(2)"),
                                 fixture.caption("Panels(3)")};
        QCOMPARE(panels, QStringList({"Status Bar", "3/2/2001", "04:05"}));
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

    // The menu bar item by item, walked against the shared menu table: name,
    // caption with its access key, shortcut and check mark.
    void menusAndCaptionAlignmentsAsDocumented() {
        MainWindowFixture fixture;
        const QList<QAction*> titles = fixture.window->menuBar()->actions();
        QCOMPARE(titles.size(), qsizetype(forms::kMainMenu.size()));
        for (qsizetype m = 0; m < titles.size(); ++m) {
            const forms::Menu& menu = forms::kMainMenu[std::size_t(m)];
            QCOMPARE(titles[m]->menu()->objectName(), QString(menu.name));
            QCOMPARE(titles[m]->text(), QString(menu.caption));
            const QList<QAction*> items = titles[m]->menu()->actions();
            QCOMPARE(items.size(), qsizetype(menu.items.size()));
            for (qsizetype i = 0; i < items.size(); ++i) {
                const forms::MenuItem& row = menu.items[std::size_t(i)];
                QCOMPARE(items[i]->objectName(), QString(row.name));
                QCOMPARE(items[i]->isSeparator(), row.isSeparator());
                if (row.isSeparator()) continue;
                QCOMPARE(items[i]->text(), QString(row.caption));
                QCOMPARE(items[i]->shortcut().toString(),
                         row.ctrlShortcut ? QString("Ctrl+") + QChar(row.ctrlShortcut) : QString());
                QCOMPARE(items[i]->isCheckable(), row.checkable);
                QCOMPARE(items[i]->isChecked(), row.checkedAtStart);
            }
        }

        // Captions sit at the top of their labels; "Moves:" ends where the
        // counter's digits begin.
        QCOMPARE(fixture.control<QLabel>("lblMovesLabel")->alignment(),
                 Qt::AlignRight | Qt::AlignTop);
        QCOMPARE(fixture.control<QLabel>("lblMoves")->alignment(), Qt::AlignLeft | Qt::AlignTop);
    }

    // Where two controls overlap, the one the table lists first lies above:
    // a tile over the top row of its number, a scroll bar over the foot of
    // the caption above it.
    void controlsStackAsTheTableLists() {
        MainWindowFixture fixture;
        QVERIFY(fixture.show());
        fixture.control<QAction>("mnuTileNumbers")->trigger();
        QWidget* tile = fixture.tile(13);
        QWidget* number = fixture.control("lblTileNumbers(13)");
        const QPoint shared(tile->geometry().center().x(), number->geometry().top());
        QVERIFY(tile->geometry().contains(shared) && number->isVisible());
        QCOMPARE(fixture.window->centralWidget()->childAt(shared), tile);
        QWidget* bar = fixture.control("ScrollMode");
        QWidget* caption = fixture.control("lblMode");
        const QPoint foot(bar->geometry().center().x(), caption->geometry().bottom());
        QVERIFY(bar->geometry().contains(foot));
        QCOMPARE(fixture.control("Frame1")->childAt(foot), bar);
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

    void realMessageBoxes() {
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
