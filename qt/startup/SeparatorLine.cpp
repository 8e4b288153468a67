// SPDX-License-Identifier: GPL-3.0-or-later
// A straight horizontal separator line.
#include "SeparatorLine.h"

#include <QPainter>

#include "QtColour.h"
#include "QtForms.h"

namespace tenebrix::startup {

SeparatorLine::SeparatorLine(const forms::SeparatorLine& line, QWidget* parent)
    : QWidget(parent), colour_(qt::toQColor(line.colour, parent->palette())) {
    setObjectName(QLatin1String(line.name));
    const QRect place = qt::toPixels({line.left, line.top, line.right - line.left, 0});
    setGeometry(place.left(), place.top(), place.width(), line.pixels);
    // Pointer and keys go to whatever lies beneath.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void SeparatorLine::paintEvent(QPaintEvent*) {
    QPainter(this).fillRect(rect(), colour_);
}

}  // namespace tenebrix::startup
