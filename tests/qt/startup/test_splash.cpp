// SPDX-License-Identifier: GPL-3.0-or-later
// The splash screen: its texts and lines, its logo animation tick by tick, the
// hand-over, and no closing before it.
#include <QDeadlineTimer>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QWindow>
#include <QtTest>

#include "Module1.h"
#include "frmSplash.h"

using tenebrix::startup::frmSplash;

class SplashTest : public QObject {
    Q_OBJECT
  private slots:
    // Driven tick by tick, not by the clock: frame 0 stays for two ticks,
    // every later frame for one, and exactly one frame shows throughout.
    void showsItsTextsAndStepsThroughTheSixLogoFrames() {
        int mainWindowsShown = 0;
        QPointer<frmSplash> splash = new frmSplash([&] { ++mainWindowsShown; });
        QCOMPARE(splash->size(), QSize(515, 252));
        // Owner's texts must show whole in the room they were given.
        for (const char* name : {"lblCopyright", "lblCompany", "lblProductName", "lblPlatform"}) {
            const auto* label = splash->findChild<QLabel*>(name);
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(), name);
        }
        const auto* warning = splash->findChild<QLabel*>("lblWarning");
        QVERIFY(warning->heightForWidth(warning->width()) <= warning->height());
        // Across the frame a two-pixel grey line, whose top row the line in
        // the window's colour covers: a thin grey line beneath it.
        auto* frame = splash->findChild<QWidget*>("fraMainFrame");
        const QImage shown = frame->grab().toImage();
        QCOMPARE(shown.pixelColor(100, 176), frame->palette().color(QPalette::Window));
        QCOMPARE(shown.pixelColor(100, 177), QColor(128, 128, 128));
        splash->show();
        QCOMPARE(splash->visibleLogoFrame(), 0);
        for (int tick = 1; tick <= 7; ++tick) {
            splash->Timer1_Timer();
            QCOMPARE(mainWindowsShown, tick == 7 ? 1 : 0);
            if (tick < 7) QCOMPARE(splash->visibleLogoFrame(), tick - 1);
        }
    }

    // A request to close the splash (the window system's close, Alt+F4) is
    // refused like any key, and the game window still comes on the seventh
    // tick, after which the splash closes itself.
    void closeRequestsAreRefused() {
        int mainWindowsShown = 0;
        QPointer<frmSplash> splash = new frmSplash([&] { ++mainWindowsShown; });
        splash->show();
        QVERIFY(QTest::qWaitForWindowExposed(splash));
        for (int tick = 1; tick <= 7; ++tick) {
            QVERIFY(!splash->close());
            QVERIFY(!splash->windowHandle()->close());
            QVERIFY(splash->isVisible());
            splash->Timer1_Timer();
        }
        QCOMPARE(mainWindowsShown, 1);
        QTRY_VERIFY(splash.isNull());
    }

    // Borderless, it stands centred on the screen, to the half pixel an odd
    // difference in size leaves.
    void standsCentredOnTheScreen() {
        frmSplash splash([] {});
        splash.show();
        QVERIFY(QTest::qWaitForWindowExposed(&splash));
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const QRect shown = splash.frameGeometry();
        QCOMPARE(shown.size(), QSize(515, 252));
        QVERIFY2(
            std::abs(2 * (shown.left() - screen.left()) - (screen.width() - shown.width())) <= 1,
            qPrintable(QString::number(shown.left())));
        QVERIFY2(
            std::abs(2 * (shown.top() - screen.top()) - (screen.height() - shown.height())) <= 1,
            qPrintable(QString::number(shown.top())));
    }

    // Line2 takes the window's background colour, whatever the desktop makes
    // it, not the button face of a picture box.
    void lineTwoIsInTheWindowsColour() {
        const QPalette usual = QApplication::palette();
        QPalette distinct = usual;
        distinct.setColor(QPalette::Window, QColor(10, 20, 30));
        distinct.setColor(QPalette::Button, QColor(200, 100, 50));
        QApplication::setPalette(distinct);
        {
            frmSplash splash([] {});
            QCOMPARE(splash.findChild<QWidget*>("Line2")->grab().toImage().pixelColor(0, 0),
                     QColor(10, 20, 30));
        }
        QApplication::setPalette(usual);
    }

    // The game window is up before the splash goes, which closing unloads. Keys and clicks do
    // not hurry it along; seven ticks of exactly half a second do. Not before 3 s (a coarse
    // timer may fire 5 % early); no upper bound, as a loaded machine may always be later.
    void handsOverToTheGameWindowAfterSevenTicks() {
        QWidget game;
        QPointer<QWidget> splash;
        bool splashVisibleWhenGameShown = false;
        const QDeadlineTimer early(3000);
        tenebrix::startup::Main([&] {
            splashVisibleWhenGameShown = splash && splash->isVisible();
            game.show();
        });
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == "frmSplash") splash = w;
        QVERIFY(splash && splash->isVisible());
        const auto* timer = splash->findChild<QTimer*>("Timer1");
        QVERIFY(timer && timer->isActive());
        QCOMPARE(timer->interval(), 500);
        QCOMPARE(timer->isSingleShot(), false);
        QTest::keyClick(splash, Qt::Key_Escape);
        QTest::keyClick(splash, Qt::Key_F4, Qt::AltModifier);
        QTest::mouseClick(splash, Qt::LeftButton);
        QVERIFY(!splash->close());
        QVERIFY(splash->isVisible());
        // Only a guard against a hang, far beyond any real hand-over.
        QTRY_VERIFY_WITH_TIMEOUT(game.isVisible(), 120000);
        QVERIFY2(early.hasExpired(), "handed over before 3 s");
        QVERIFY(splashVisibleWhenGameShown);
        QTRY_VERIFY(splash.isNull());
    }
};

QTEST_MAIN(SplashTest)
#include "test_splash.moc"
