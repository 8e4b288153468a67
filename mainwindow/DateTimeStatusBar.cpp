// The status bar with its fixed text, date and time.
#include "DateTimeStatusBar.h"

#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QStyleOption>

#include "ControlNames.h"
#include "Twips.h"

namespace tenebrix::ui {

namespace {
constexpr int kMinimumPanelWidth = twipsToPixels(1440);
constexpr int kMsecsPerSecond = 1000;
constexpr int kMsecsPerMinute = 60 * kMsecsPerSecond;
}  // namespace

DateTimeStatusBar::DateTimeStatusBar(QWidget* parent)
    : QStatusBar(parent),
      showsSeconds_(QLocale::system().timeFormat(QLocale::ShortFormat).contains(QLatin1Char('s'))) {
    addPanel(1, tr("Status Bar"), 1);
    datePanel_ = addPanel(2, QString(), 0);
    timePanel_ = addPanel(3, QString(), 0);
    timer_.setSingleShot(true);
    // Precise, so the wake-up never comes before the minute has turned.
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &DateTimeStatusBar::refreshAndReschedule);
    refreshAndReschedule();
}

QLabel* DateTimeStatusBar::addPanel(int number, const QString& text, int stretch) {
    auto* panel = new QLabel(text, this);
    panel->setObjectName(arrayName("Panels", number));
    panel->setMinimumWidth(kMinimumPanelWidth);
    panel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setIndent(2);
    // The first panel takes what the date and time leave.
    if (number == 1)
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
    datePanel_->setText(locale.toString(now.date(), QLocale::ShortFormat));
    timePanel_->setText(locale.toString(now.time(), QLocale::ShortFormat));
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

}  // namespace tenebrix::ui
