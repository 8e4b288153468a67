// SPDX-License-Identifier: GPL-3.0-or-later
// The local clock on QLocale: the date and time it reads, and how it writes
// them short for the status bar.
#include <QtTest>

#include "QtLocalClock.h"

using tenebrix::platform::LocalTime;
using tenebrix::platform::QtLocalClock;

class QtLocalClockTest : public QObject {
    Q_OBJECT
  private slots:
    // 3 February 2001, 04:05:06.789 in a German desktop's short formats;
    // without a configured locale, hours and minutes only, so the game wakes
    // once a minute.
    void shortFormats() {
        const LocalTime when{2001, 2, 3, 4, 5, 6, 789};
        QtLocalClock german(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(QString::fromStdString(german.shortDate(when)), QString("03.02.01"));
        QCOMPARE(QString::fromStdString(german.shortTime(when)), QString("04:05"));
        QVERIFY(!german.shortTimeShowsSeconds());
        QtLocalClock plain(QLocale::c());
        QCOMPARE(QString::fromStdString(plain.shortTime(when)), QString("04:05"));
        QVERIFY(!plain.shortTimeShowsSeconds());
        // A date or time that does not exist is written as nothing.
        const LocalTime impossible{2001, 2, 30, 25, 61, 0, 0};
        QCOMPARE(german.shortDate(impossible), std::string());
        QCOMPARE(german.shortTime(impossible), std::string());
    }

    // Now, as the system's clock has it, field by field.
    void nowIsTheSystemsTime() {
        QtLocalClock clock;
        const QDateTime before = QDateTime::currentDateTime();
        const LocalTime now = clock.now();
        const QDateTime after = QDateTime::currentDateTime();
        const QDateTime read(QDate(now.year, now.month, now.day),
                             QTime(now.hour, now.minute, now.second, now.millisecond));
        QVERIFY2(read.isValid() && before <= read && read <= after,
                 qPrintable(read.toString(Qt::ISODateWithMs)));
    }
};

QTEST_GUILESS_MAIN(QtLocalClockTest)
#include "test_qtlocalclock.moc"
