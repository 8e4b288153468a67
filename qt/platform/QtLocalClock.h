// SPDX-License-Identifier: GPL-3.0-or-later
// The local date and time, written in the desktop's short formats through
// QLocale, for the status bar's date and time panels.
#pragma once

#include <QLocale>
#include <QString>

#include "LocalClock.h"

namespace tenebrix::platform {

class QtLocalClock final : public LocalClock {
  public:
    // The formats of `locale`: the system's, unless a test names another.
    explicit QtLocalClock(const QLocale& locale = QLocale::system());

    LocalTime now() override;
    // Empty for a date or time that does not exist.
    std::string shortDate(const LocalTime& time) override;
    std::string shortTime(const LocalTime& time) override;
    bool shortTimeShowsSeconds() override;

  private:
    QLocale locale_;
    QString timeFormat_;
};

}  // namespace tenebrix::platform
