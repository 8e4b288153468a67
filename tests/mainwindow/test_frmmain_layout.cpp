// The main window as laid out: control places, menus, fonts that fit their
// controls, and the status bar.
#include <QAction>
#include <QFontDatabase>
#include <QFontInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QStyleOptionButton>

#include "DateTimeStatusBar.h"
#include "GameFonts.h"
#include "MainWindowFixture.h"

using namespace tenebrix;
using namespace tenebrix::testing;

class FrmMainLayoutTest : public QObject {
    Q_OBJECT

  private slots:
    void controlsSitWhereTheLayoutSays_data();
    void controlsSitWhereTheLayoutSays();
    void clientAreaIs453By328();
    void menusReadAsDesigned_data();
    void menusReadAsDesigned();
    void everyCaptionFitsItsControl();
    void statusBarShowsTextDateAndTime();
    void statusBarTogglesWithItsMarkAndNothingMoves();
    void clockWakesWhenTheShownTimeChanges_data();
    void clockWakesWhenTheShownTimeChanges();
};

void FrmMainLayoutTest::controlsSitWhereTheLayoutSays_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("place");  // pixels, within the control's container
    QTest::newRow("first tile") << "picTile(1)" << QRect(10, 10, 36, 36);
    QTest::newRow("tile 7") << "picTile(7)" << QRect(60, 60, 36, 36);
    QTest::newRow("last tile") << "picTile(25)" << QRect(210, 210, 36, 36);
    QTest::newRow("tile number 7") << "lblTileNumbers(7)" << QRect(60, 95, 36, 11);
    QTest::newRow("Hint") << "cmdHint" << QRect(10, 260, 71, 36);
    QTest::newRow("New Puzzle") << "cmdNewPuzzle" << QRect(90, 260, 76, 36);
    QTest::newRow("Reset Puzzle") << "cmdReset" << QRect(175, 260, 71, 36);
    QTest::newRow("current value") << "lblPuzState" << QRect(5, 255, 86, 16);
    QTest::newRow("start value") << "lblPuzValue" << QRect(85, 255, 86, 16);
    QTest::newRow("frame") << "Frame1" << QRect(260, 5, 181, 291);
    QTest::newRow("lit sample") << "PicOn" << QRect(45, 20, 36, 36);
    QTest::newRow("dark sample") << "picOff" << QRect(95, 20, 36, 36);
    QTest::newRow("tile set caption") << "lblTileSet" << QRect(25, 60, 121, 15);
    QTest::newRow("tile set bar") << "ScrollTileSet" << QRect(25, 75, 126, 16);
    QTest::newRow("diagram 1") << "picMode(1)" << QRect(65, 100, 57, 57);
    QTest::newRow("diagram 4, taller") << "picMode(4)" << QRect(65, 100, 57, 62);
    QTest::newRow("mode caption") << "lblMode" << QRect(25, 160, 126, 17);
    QTest::newRow("mode bar") << "ScrollMode" << QRect(25, 175, 126, 16);
    QTest::newRow("level caption") << "lblLevel" << QRect(25, 205, 126, 17);
    QTest::newRow("level bar") << "ScrollLevel" << QRect(25, 225, 126, 16);
    QTest::newRow("Moves:") << "lblMovesLabel" << QRect(35, 260, 71, 26);
    QTest::newRow("move counter") << "lblMoves" << QRect(110, 260, 31, 21);
}

void FrmMainLayoutTest::controlsSitWhereTheLayoutSays() {
    QFETCH(QString, name);
    QFETCH(QRect, place);
    MainWindowFixture fixture;
    QVERIFY(fixture.show());
    QCOMPARE(fixture.control(name)->geometry(), place);
    // Resizing moves nothing.
    fixture.window->resize(fixture.window->size() + QSize(120, 80));
    QCOMPARE(fixture.control(name)->geometry(), place);
}

void FrmMainLayoutTest::clientAreaIs453By328() {
    MainWindowFixture fixture;
    QVERIFY(fixture.show());
    const QWidget* client = fixture.window->centralWidget();
    const QStatusBar* statusBar = fixture.control<QStatusBar>("sbStatusBar");
    QCOMPARE(client->width(), 453);
    QCOMPARE(statusBar->geometry(), QRect(0, client->y() + 310, 453, 18));
    QCOMPARE(fixture.window->windowTitle(), QString("Tenebrix"));
    QVERIFY(!fixture.window->windowIcon().isNull());
}

void FrmMainLayoutTest::menusReadAsDesigned_data() {
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("items");  // name|caption|shortcut|check state
    QTest::newRow("File") << "mnuFile"
                          << "&File"
                          << QStringList{"mnuHint|&Hint|Ctrl+H|-",
                                         "mnuFileNew|&New Puzzle|Ctrl+N|-",
                                         "mnuReset|&Reset Puzzle|Ctrl+R|-", "mnuFileBar1|||-",
                                         "mnuFileExit|E&xit||-"};
    QTest::newRow("View") << "mnuView"
                          << "&View"
                          << QStringList{"mnuViewStatusBar|Status &Bar||checked",
                                         "mnuTileNumbers|&Tile Numbers||unchecked"};
    QTest::newRow("Help") << "mnuHelp"
                          << "&Help"
                          << QStringList{"mnuHelpContents|How to Play||-", "mnuHelpBar1|||-",
                                         "mnuHelpAbout|&About Tenebrix...||-"};
}

void FrmMainLayoutTest::menusReadAsDesigned() {
    QFETCH(QString, menu);
    QFETCH(QString, title);
    QFETCH(QStringList, items);
    MainWindowFixture fixture;
    const QMenu* found = fixture.control<QMenu>(menu);
    QCOMPARE(found->title(), title);
    QStringList actual;
    for (const QAction* item : found->actions()) {
        const QString check = !item->isCheckable() ? "-"
                              : item->isChecked()  ? "checked"
                                                   : "unchecked";
        actual << QStringList{item->objectName(), item->isSeparator() ? "" : item->text(),
                              item->shortcut().toString(), check}
                      .join('|');
    }
    QCOMPARE(actual, items);
    // File, View and Help, in that order, and nothing else on the bar.
    QStringList bar;
    for (const QAction* entry : fixture.window->menuBar()->actions()) bar << entry->text();
    QCOMPARE(bar, QStringList({"&File", "&View", "&Help"}));
}

void FrmMainLayoutTest::everyCaptionFitsItsControl() {
    MainWindowFixture fixture;
    QVERIFY(fixture.show());
    if (!QFontDatabase::families().contains("MS Sans Serif"))
        QCOMPARE(QFontInfo(ui::formFont()).family(), QString("Liberation Sans"));
    // The longest caption each label ever carries.
    const QList<std::pair<const char*, QString>> labels{{"lblTileSet", "Change all tiles to black"},
                                                        {"lblMode", "Mode  9"},
                                                        {"lblLevel", "Level:  20"},
                                                        {"lblMovesLabel", "Moves:"},
                                                        {"lblMoves", "999"},
                                                        {"lblTileNumbers(25)", " 25"}};
    for (const auto& [name, text] : labels) {
        const QLabel* label = fixture.control<QLabel>(name);
        const QFontMetrics metrics(label->font());
        QVERIFY2(metrics.horizontalAdvance(text) <= label->contentsRect().width(), name);
        QVERIFY2(metrics.ascent() <= label->height(), name);
    }
    QCOMPARE(fixture.control<QLabel>("lblMode")->font().pointSizeF(), 9.75);
    QVERIFY(fixture.control<QLabel>("lblMoves")->font().bold());
    QCOMPARE(fixture.control<QLabel>("lblTileSet")->font().pointSizeF(), 8.0);
    for (const char* name : {"cmdHint", "cmdNewPuzzle", "cmdReset"}) {
        QPushButton* button = fixture.control<QPushButton>(name);
        QStyleOptionButton option;
        option.initFrom(button);
        const int room =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
        const QString text = button->text().remove('&');
        QVERIFY2(button->fontMetrics().horizontalAdvance(text) <= room, name);
    }
}

void FrmMainLayoutTest::statusBarShowsTextDateAndTime() {
    MainWindowFixture fixture;
    QVERIFY(fixture.show());
    auto* statusBar = fixture.control<ui::DateTimeStatusBar>("sbStatusBar");
    const QDateTime when(QDate(2001, 2, 3), QTime(4, 5, 6));
    statusBar->showDateTime(when);
    const QLocale locale = QLocale::system();
    const QList<std::pair<const char*, QString>> panels{
        {"Panels(1)", "Status Bar"},
        {"Panels(2)", locale.toString(when.date(), QLocale::ShortFormat)},
        {"Panels(3)", locale.toString(when.time(), QLocale::ShortFormat)}};
    for (const auto& [name, text] : panels) {
        const QLabel* panel = fixture.control<QLabel>(name);
        QCOMPARE(panel->text(), text);
        QVERIFY2(panel->width() >= 96, name);
        QCOMPARE(panel->frameShadow(), QFrame::Sunken);
    }
    // The text panel takes what the date and time leave.
    QVERIFY(fixture.control("Panels(1)")->width() > fixture.control("Panels(2)")->width());
}

void FrmMainLayoutTest::statusBarTogglesWithItsMarkAndNothingMoves() {
    MainWindowFixture fixture;
    QVERIFY(fixture.show());
    QAction* item = fixture.control<QAction>("mnuViewStatusBar");
    QWidget* statusBar = fixture.control("sbStatusBar");
    const QRect tile = fixture.tile(21)->geometry();
    const QRect frame = fixture.control("Frame1")->geometry();
    const QSize size = fixture.window->size();
    for (const bool shown : {false, true}) {
        item->trigger();
        QCOMPARE(statusBar->isVisible(), shown);
        QCOMPARE(item->isChecked(), shown);
        QCOMPARE(fixture.tile(21)->geometry(), tile);
        QCOMPARE(fixture.control("Frame1")->geometry(), frame);
        QCOMPARE(fixture.window->size(), size);
        QCOMPARE(fixture.caption("Panels(1)"), QString("Status Bar"));
    }
}

void FrmMainLayoutTest::clockWakesWhenTheShownTimeChanges_data() {
    QTest::addColumn<QTime>("now");
    QTest::addColumn<bool>("showsSeconds");
    QTest::addColumn<int>("msecs");
    QTest::newRow("mid-minute") << QTime(12, 34, 56, 789) << false << 3211;
    QTest::newRow("on the minute") << QTime(12, 34) << false << 60000;
    QTest::newRow("before midnight") << QTime(23, 59, 59, 999) << false << 1;
    QTest::newRow("clock with seconds") << QTime(12, 34, 56, 789) << true << 211;
}

void FrmMainLayoutTest::clockWakesWhenTheShownTimeChanges() {
    QFETCH(QTime, now);
    QFETCH(bool, showsSeconds);
    QFETCH(int, msecs);
    QCOMPARE(ui::DateTimeStatusBar::msecsToNextChange(now, showsSeconds), msecs);
}

QTEST_MAIN(FrmMainLayoutTest)
#include "test_frmmain_layout.moc"
