// SPDX-License-Identifier: GPL-3.0-or-later
// The local clock through QLocale.
#include "QtLocalClock.h"

#include <QDateTime>

namespace tenebrix::platform {

namespace {

// Without a configured locale (the C locale) Qt's short time carries
// seconds, which no desktop clock shows and which would wake the game every
// second: hours and minutes then.
QString shortTimeFormat(const QLocale& locale) {
    if (locale.language() == QLocale::C) return QStringLiteral("HH:mm");
    return locale.timeFormat(QLocale::ShortFormat);
}

}  // namespace

QtLocalClock::QtLocalClock(const QLocale& locale)
    : locale_(locale), timeFormat_(shortTimeFormat(locale)) {}

LocalTime QtLocalClock::now() {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate date = now.date();
    const QTime time = now.time();
    return {date.year(),   date.month(),  date.day(), time.hour(),
            time.minute(), time.second(), time.msec()};
}

std::string QtLocalClock::shortDate(const LocalTime& time) {
    return locale_.toString(QDate(time.year, time.month, time.day), QLocale::ShortFormat)
        .toStdString();
}

std::string QtLocalClock::shortTime(const LocalTime& time) {
    return locale_
        .toString(QTime(time.hour, time.minute, time.second, time.millisecond), timeFormat_)
        .toStdString();
}

bool QtLocalClock::shortTimeShowsSeconds() {
    return timeFormat_.contains(QLatin1Char('s'));
}

}  // namespace tenebrix::platform
