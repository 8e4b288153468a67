// SPDX-License-Identifier: GPL-3.0-or-later
// The status bar's clock.
#include "StatusClock.h"

#include "MainWindowForm.h"

namespace tenebrix::ui {

int millisecondsToNextChange(const platform::LocalTime& now, bool showsSeconds) {
    constexpr int kSecond = 1000;
    constexpr int kMinute = 60 * kSecond;
    const int period = showsSeconds ? kSecond : kMinute;
    // A leap second (60) counts as the minute's last.
    const int second = now.second < 0 ? 0 : now.second > 59 ? 59 : now.second;
    const int millisecond = now.millisecond < 0 ? 0 : now.millisecond > 999 ? 999 : now.millisecond;
    const int intoMinute = second * kSecond + millisecond;
    return period - intoMinute % period;
}

int StatusClock::refresh() {
    namespace frm = forms::frmMain;
    const platform::LocalTime now = clock_.now();
    panels_.setStatusPanelText(frm::kDatePanel, clock_.shortDate(now));
    panels_.setStatusPanelText(frm::kTimePanel, clock_.shortTime(now));
    return millisecondsToNextChange(now, clock_.shortTimeShowsSeconds());
}

}  // namespace tenebrix::ui
