// SPDX-License-Identifier: GPL-3.0-or-later
// The status bar with its fixed text, date and time.
#include "DateTimeStatusBar.h"

#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QStyleOption>
#include <algorithm>

#include "MainWindowForm.h"
#include "MainWindowNames.h"
#include "QtForms.h"

namespace tenebrix::qt {

namespace form = forms::frmMain;

namespace {
constexpr int kMinimumPanelWidth = forms::twipsToPixels(form::kStatusPanelMinWidth);
constexpr int kMsecsPerSecond = 1000;
constexpr int kMsecsPerMinute = 60 * kMsecsPerSecond;

// The system's short time format. Without a configured locale (the C
// locale) Qt's short format carries seconds, which no desktop clock shows
// and which would wake the game every second: hours and minutes then.
QString shortTimeFormat() {
    const QLocale system = QLocale::system();
    if (system.language() == QLocale::C) return QStringLiteral("HH:mm");
    return system.timeFormat(QLocale::ShortFormat);
}
}  // namespace

DateTimeStatusBar::DateTimeStatusBar(QWidget* parent)
    : QStatusBar(parent), showsSeconds_(shortTimeFormat().contains(QLatin1Char('s'))) {
    textPanel_ = addPanel(form::kTextPanel, tr(form::kStatusText), 1);
    datePanel_ = addPanel(form::kDatePanel, QString(), 0);
    timePanel_ = addPanel(form::kTimePanel, QString(), 0);
    timer_.setSingleShot(true);
    // Precise, so the wake-up never comes before the minute has turned.
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &DateTimeStatusBar::refreshAndReschedule);
    refreshAndReschedule();
}

QLabel* DateTimeStatusBar::addPanel(int number, const QString& text, int stretch) {
    auto* panel = new QLabel(text, this);
    panel->setObjectName(arrayName(form::kStatusPanelName, number));
    panel->setMinimumWidth(kMinimumPanelWidth);
    panel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setIndent(2);
    // The first panel takes what the date and time leave.
    if (number == form::kTextPanel)
        addWidget(panel, stretch);
    else
        addPermanentWidget(panel, stretch);
    return panel;
}

// The panels draw their own sunken bevels; the style's item frames would
// double them in some styles and be missing in others.
void DateTimeStatusBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOption option;
    option.initFrom(this);
    style()->drawPrimitive(QStyle::PE_PanelStatusBar, &option, &painter, this);
}

void DateTimeStatusBar::showDateTime(const QDateTime& now) {
    const QLocale locale = QLocale::system();
    setPanelText(datePanel_, locale.toString(now.date(), QLocale::ShortFormat));
    setPanelText(timePanel_, locale.toString(now.time(), shortTimeFormat()));
}

// The date and time panels keep a fixed size, as wide as their text: a new
// time then repaints its own panel alone. A panel free to change size would
// have the whole bar laid out and repainted at every tick of a clock that
// shows seconds. Measuring a text costs as much as drawing it, so a text as
// long as the one before (the digits of the usual fonts are equally wide)
// keeps the width.
void DateTimeStatusBar::setPanelText(QLabel* panel, const QString& text) {
    if (panel->text() == text) return;
    const bool sameLength = panel->text().size() == text.size();
    panel->setText(text);
    if (sameLength && panel->minimumWidth() == panel->maximumWidth()) return;
    panel->setFixedWidth(std::max(kMinimumPanelWidth, panel->sizeHint().width()));
}

// Panel 1 takes the height the bar gives its panels; the other two follow.
void DateTimeStatusBar::resizeEvent(QResizeEvent* event) {
    QStatusBar::resizeEvent(event);
    const int height = textPanel_->height();
    if (height <= 0) return;
    for (QLabel* panel : {datePanel_, timePanel_}) {
        if (panel->minimumHeight() != height || panel->maximumHeight() != height)
            panel->setFixedHeight(height);
    }
}

int DateTimeStatusBar::msecsToNextChange(const QTime& now, bool showsSeconds) {
    const int period = showsSeconds ? kMsecsPerSecond : kMsecsPerMinute;
    const int msecs = now.isValid() ? now.msecsSinceStartOfDay() : 0;
    return period - msecs % period;
}

void DateTimeStatusBar::refreshAndReschedule() {
    const QDateTime now = QDateTime::currentDateTime();
    showDateTime(now);
    timer_.start(msecsToNextChange(now.time(), showsSeconds_));
}

}  // namespace tenebrix::qt
