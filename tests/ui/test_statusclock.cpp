// SPDX-License-Identifier: GPL-3.0-or-later
// The status bar's clock wakes exactly when what it shows changes.
#include <QtTest>
#include <map>

#include "StatusClock.h"

using namespace tenebrix;
using namespace tenebrix::ui;

namespace {

struct ScriptedClock : platform::LocalClock {
    platform::LocalTime time;
    bool seconds = false;
    platform::LocalTime now() override { return time; }
    std::string shortDate(const platform::LocalTime& t) override {
        return std::to_string(t.day) + "/" + std::to_string(t.month) + "/" + std::to_string(t.year);
    }
    std::string shortTime(const platform::LocalTime& t) override {
        return std::to_string(t.hour) + ":" + std::to_string(t.minute);
    }
    bool shortTimeShowsSeconds() override { return seconds; }
};

struct Panels : StatusPanels {
    std::map<int, std::string> texts;
    void setStatusPanelText(int panel, const std::string& text) override { texts[panel] = text; }
};

platform::LocalTime at(int hour, int minute, int second, int millisecond) {
    return {2026, 12, 7, hour, minute, second, millisecond};
}

}  // namespace

class StatusClockTest : public QObject {
    Q_OBJECT
  private slots:
    void wakesAtTheNextChange() {
        QCOMPARE(millisecondsToNextChange(at(9, 41, 0, 0), false), 60000);
        QCOMPARE(millisecondsToNextChange(at(9, 41, 30, 250), false), 29750);
        QCOMPARE(millisecondsToNextChange(at(9, 41, 59, 999), false), 1);
        QCOMPARE(millisecondsToNextChange(at(23, 59, 59, 500), false), 500);
        QCOMPARE(millisecondsToNextChange(at(9, 41, 30, 250), true), 750);
        QCOMPARE(millisecondsToNextChange(at(9, 41, 30, 0), true), 1000);
        // A leap second, or a clock that reads nonsense, never waits longer
        // than a period nor returns nothing to wait.
        QCOMPARE(millisecondsToNextChange(at(9, 41, 60, 500), false), 500);
        QCOMPARE(millisecondsToNextChange(at(9, 41, -3, -7), false), 60000);
        QCOMPARE(millisecondsToNextChange(at(9, 41, 30, 5000), true), 1);
    }

    // An early wake-up a moment before the minute turns shows the old minute
    // and wakes again at once, not a minute later.
    void refreshWritesDateAndTime() {
        ScriptedClock clock;
        Panels panels;
        StatusClock status(panels, clock);
        clock.time = at(9, 41, 59, 995);
        QCOMPARE(status.refresh(), 5);
        QCOMPARE(panels.texts[3], std::string("9:41"));
        clock.time = at(9, 42, 0, 1);
        QCOMPARE(status.refresh(), 59999);
        QCOMPARE(panels.texts[2], std::string("7/12/2026"));
        QCOMPARE(panels.texts[3], std::string("9:42"));
        QVERIFY(!panels.texts.count(1));  // the fixed text is the window's own
        clock.seconds = true;
        QCOMPARE(status.refresh(), 999);
    }
};

QTEST_GUILESS_MAIN(StatusClockTest)
#include "test_statusclock.moc"
