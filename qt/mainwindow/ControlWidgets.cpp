// SPDX-License-Identifier: GPL-3.0-or-later
// Frames, lines, buttons and scroll bars as the game's windows use them.
#include "ControlWidgets.h"

#include <qdrawutil.h>

#include <QKeyEvent>
#include <QPainter>

namespace tenebrix::qt {

FrameBox::FrameBox(const QString& caption, QWidget* parent) : QGroupBox(caption, parent) {}

void FrameBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    constexpr int captionLeft = 8;
    constexpr int captionPadding = 2;
    const QFontMetrics metrics(font());
    qDrawShadeRect(&painter, rect().adjusted(0, metrics.height() / 2, 0, 0), palette(), true);
    const QRect caption(captionLeft, 0, metrics.horizontalAdvance(title()) + 2 * captionPadding,
                        metrics.height());
    painter.fillRect(caption, palette().window());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(caption, Qt::AlignCenter, title());
}

SeparatorLine::SeparatorLine(const QColor& colour, QWidget* parent)
    : QWidget(parent), colour_(colour) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void SeparatorLine::paintEvent(QPaintEvent*) {
    QPainter(this).fillRect(rect(), colour_);
}

Button::Button(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
    // Qt grabs Alt and the caption's letter for the button by itself.
    setShortcut(QKeySequence());
}

void Button::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->ignore();
        return;
    }
    QPushButton::keyPressEvent(event);
}

ScrollBar::ScrollBar(QWidget* parent) : QScrollBar(Qt::Horizontal, parent) {}

void ScrollBar::keyPressEvent(QKeyEvent* event) {
    event->ignore();
}

}  // namespace tenebrix::qt
