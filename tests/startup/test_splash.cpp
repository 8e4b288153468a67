// SPDX-License-Identifier: GPL-3.0-or-later
// The splash screen: its logo animation, tick by tick, and the hand-over to
// the game window.
#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QtTest>

#include "Module1.h"
#include "frmSplash.h"

using tenebrix::startup::frmSplash;

class SplashTest : public QObject {
    Q_OBJECT
  private slots:
    // Driven tick by tick, not by the clock: frame 0 stays for two ticks,
    // every later frame for one, and exactly one frame shows throughout.
    void logoStepsThroughItsSixFrames() {
        int mainWindowsShown = 0;
        auto* splash = new frmSplash([&] { ++mainWindowsShown; });
        splash->show();
        QCOMPARE(splash->visibleLogoFrame(), 0);
        const int frameAfterTick[] = {0, 1, 2, 3, 4, 5};
        for (int tick = 1; tick <= 6; ++tick) {
            splash->Timer1_Timer();
            QCOMPARE(splash->visibleLogoFrame(), frameAfterTick[tick - 1]);
            QCOMPARE(mainWindowsShown, 0);
        }
        QPointer<frmSplash> watched(splash);
        splash->Timer1_Timer();
        QCOMPARE(mainWindowsShown, 1);
        QVERIFY(!splash->isVisible());
        QTRY_VERIFY(watched.isNull());  // closing unloads it
    }

    // The game window is up before the splash goes: never a moment without
    // a window. Keys and clicks do not hurry it along; seven half-second
    // ticks do, about 3.5 seconds (a loaded machine may add some).
    void handsOverToTheGameWindowAfterSevenTicks() {
        QWidget game;
        QPointer<QWidget> splash;
        bool splashVisibleWhenGameShown = false;
        QElapsedTimer clock;
        clock.start();
        tenebrix::startup::Main([&] {
            splashVisibleWhenGameShown = splash && splash->isVisible();
            game.show();
        });
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == "frmSplash") splash = w;
        QVERIFY(splash && splash->isVisible());
        QTest::keyClick(splash, Qt::Key_Escape);
        QTest::mouseClick(splash, Qt::LeftButton);
        QVERIFY(splash->isVisible());
        QCOMPARE(qobject_cast<frmSplash*>(splash)->visibleLogoFrame(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(game.isVisible(), 10000);
        QVERIFY2(clock.elapsed() >= 3000 && clock.elapsed() < 6000,
                 qPrintable(QString("handed over after %1 ms").arg(clock.elapsed())));
        QVERIFY(splashVisibleWhenGameShown);
        QTRY_VERIFY(splash.isNull());  // closing unloads it
    }

    void textsAndSizes() {
        frmSplash splash([] {});
        QCOMPARE(splash.size(), QSize(515, 252));
        QCOMPARE(splash.findChild<QLabel*>("lblProductName")->text(), QString("Tenebrix 1.01"));
        QCOMPARE(splash.findChild<QLabel*>("lblPlatform")->text(), QString("for Windows '95"));
        // Owner's texts must show whole in the room they were given.
        for (const char* name : {"lblCopyright", "lblCompany", "lblProductName", "lblPlatform"}) {
            const auto* label = splash.findChild<QLabel*>(name);
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(), name);
        }
        const auto* warning = splash.findChild<QLabel*>("lblWarning");
        QVERIFY(warning->heightForWidth(warning->width()) <= warning->height());
    }
};

QTEST_MAIN(SplashTest)
#include "test_splash.moc"
