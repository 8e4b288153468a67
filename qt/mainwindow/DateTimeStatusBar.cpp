// SPDX-License-Identifier: GPL-3.0-or-later
// The status bar with its fixed text, date and time.
#include "DateTimeStatusBar.h"

#include <QLabel>
#include <QPainter>
#include <QStyleOption>
#include <algorithm>

#include "MainWindowForm.h"
#include "QtForms.h"
#include "Translate.h"

namespace tenebrix::qt {

namespace form = forms::frmMain;

namespace {
constexpr int kMinimumPanelWidth = forms::twipsToPixels(form::kStatusPanelMinWidth);
}  // namespace

DateTimeStatusBar::DateTimeStatusBar(QWidget* parent) : QStatusBar(parent) {
    textPanel_ = addPanel(form::kTextPanel, QString::fromStdString(i18n::tr(form::kStatusText)), 1);
    datePanel_ = addPanel(form::kDatePanel, QString(), 0);
    timePanel_ = addPanel(form::kTimePanel, QString(), 0);
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

// The date and time panels keep a fixed size, as wide as their text: a new
// time then repaints its own panel alone. A panel free to change size would
// have the whole bar laid out and repainted at every tick of a clock that
// shows seconds. Measuring a text costs as much as drawing it, so a text as
// long as the one before (the digits of the usual fonts are equally wide)
// keeps the width.
void DateTimeStatusBar::setPanelText(int number, const QString& text) {
    QLabel* const panels[] = {textPanel_, datePanel_, timePanel_};
    if (number < form::kTextPanel || number > form::kTimePanel) return;
    QLabel* panel = panels[number - form::kTextPanel];
    if (panel->text() == text) return;
    const bool sameLength = panel->text().size() == text.size();
    panel->setText(text);
    if (panel == textPanel_) return;
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

}  // namespace tenebrix::qt
