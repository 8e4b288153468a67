// SPDX-License-Identifier: GPL-3.0-or-later
// The settings frame's scroll bars: a step per arrow and per click in the
// track, Home and End to the ends, never past either end, and a dragged
// thumb counting only where it is let go.
#include <QtTest>

#include "MainWindowControls.h"
#include "ScrollStepping.h"

using namespace tenebrix;
using namespace tenebrix::ui;

Q_DECLARE_METATYPE(tenebrix::ui::ScrollRequest)

class ScrollSteppingTest : public QObject {
    Q_OBJECT
  private slots:
    void steps_data() {
        QTest::addColumn<QString>("bar");
        QTest::addColumn<int>("value");
        QTest::addColumn<ScrollRequest>("request");
        QTest::addColumn<int>("thumbAt");
        QTest::addColumn<int>("expected");
        using R = ScrollRequest;
        QTest::newRow("arrow right") << "ScrollLevel" << 5 << R::LineRight << 0 << 6;
        QTest::newRow("arrow left") << "ScrollLevel" << 5 << R::LineLeft << 0 << 4;
        QTest::newRow("track pages by one") << "ScrollLevel" << 5 << R::PageRight << 0 << 6;
        QTest::newRow("track left by one") << "ScrollLevel" << 5 << R::PageLeft << 0 << 4;
        QTest::newRow("left at the lowest") << "ScrollLevel" << 2 << R::LineLeft << 0 << 2;
        QTest::newRow("page left at the lowest") << "ScrollLevel" << 2 << R::PageLeft << 0 << 2;
        QTest::newRow("right at the top") << "ScrollLevel" << 20 << R::LineRight << 0 << 20;
        QTest::newRow("page right at the top") << "ScrollMode" << 9 << R::PageRight << 0 << 9;
        QTest::newRow("home") << "ScrollLevel" << 11 << R::First << 0 << 2;
        QTest::newRow("end") << "ScrollLevel" << 11 << R::Last << 0 << 20;
        QTest::newRow("end of tile sets") << "ScrollTileSet" << 1 << R::Last << 0 << 8;
        QTest::newRow("home of modes") << "ScrollMode" << 7 << R::First << 0 << 1;
        QTest::newRow("dragging changes nothing") << "ScrollMode" << 3 << R::ThumbTrack << 8 << 3;
        QTest::newRow("let go") << "ScrollMode" << 3 << R::ThumbRelease << 8 << 8;
        QTest::newRow("let go past the end") << "ScrollTileSet" << 3 << R::ThumbRelease << 99 << 8;
        QTest::newRow("let go before the start")
            << "ScrollLevel" << 3 << R::ThumbRelease << -5 << 2;
    }
    void steps() {
        QFETCH(QString, bar);
        QFETCH(int, value);
        QFETCH(ScrollRequest, request);
        QFETCH(int, thumbAt);
        QFETCH(int, expected);
        const forms::Control& control = forms::frmMain::control(bar.toStdString());
        QCOMPARE(scrolledValue(control, value, request, thumbAt), expected);
    }
};

QTEST_GUILESS_MAIN(ScrollSteppingTest)
#include "test_scrollstepping.moc"
