// SPDX-License-Identifier: GPL-3.0-or-later
// A straight horizontal separator line.
#include "SeparatorLine.h"

#include <QPainter>

namespace tenebrix::startup {

SeparatorLine::SeparatorLine(int x1, int x2, int y, int width, QColor colour, QWidget* parent)
    : QWidget(parent), colour_(colour) {
    setGeometry(x1, y, x2 - x1 + 1, width);
    // Pointer and keys go to whatever lies beneath.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void SeparatorLine::paintEvent(QPaintEvent*) {
    QPainter(this).fillRect(rect(), colour_);
}

}  // namespace tenebrix::startup
