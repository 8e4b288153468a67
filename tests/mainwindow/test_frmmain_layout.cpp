// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as laid out: control places, captions that fit their
// controls, and the status bar.
#include <QAction>
#include <QPushButton>
#include <QStyleOptionButton>

#include "DateTimeStatusBar.h"
#include "MainWindowFixture.h"

using namespace tenebrix;
using namespace tenebrix::testing;

namespace {
int roomForText(QPushButton* button) {
    QStyleOptionButton option;
    option.initFrom(button);
    return button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
}
}  // namespace

class FrmMainLayoutTest : public QObject {
    Q_OBJECT

  private slots:
    void controlsSitWhereTheLayoutSaysAndCaptionsFit();
    void statusBarShowsTheTimeAndTogglesInPlace();
};

void FrmMainLayoutTest::controlsSitWhereTheLayoutSaysAndCaptionsFit() {
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
    const QList<std::pair<const char*, QString>> labels{{"lblTileSet", "Change all tiles to black"},
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

void FrmMainLayoutTest::statusBarShowsTheTimeAndTogglesInPlace() {
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

QTEST_MAIN(FrmMainLayoutTest)
#include "test_frmmain_layout.moc"
