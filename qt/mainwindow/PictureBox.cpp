// SPDX-License-Identifier: GPL-3.0-or-later
// A picture box: back colour, picture and border.
#include "PictureBox.h"

#include <qdrawutil.h>

#include <QMouseEvent>
#include <QPainter>

#include "QtColour.h"

namespace tenebrix::qt {

PictureBox::PictureBox(Border border, QWidget* parent) : QWidget(parent), border_(border) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::setBackColour(Colour colour) {
    if (colour == backColour_) return;
    backColour_ = colour;
    update();
}

void PictureBox::setPicture(PictureRef picture) {
    if (picture == picture_) return;
    picture_ = picture;
    cached_ = QPixmap();
    cachedRatio_ = 0;
    update();
}

QRect PictureBox::insideRect() const {
    const int inset = border_ == Border::Sunken ? kSunkenBorderWidth : 0;
    return rect().adjusted(inset, inset, -inset, -inset);
}

// Drawn again only when the picture or the screen's pixel ratio changes.
const QPixmap& PictureBox::pixmapForScreen() {
    const qreal ratio = devicePixelRatioF();
    if (!picture_.isNull() && (cached_.isNull() || cachedRatio_ != ratio)) {
        cached_ = picture_.draw(picture_.index, ratio);
        cachedRatio_ = ratio;
    }
    return cached_;
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect inside = insideRect();
    // The back colour shows wherever the picture is transparent: the tile
    // pictures' margin carries the move preview's colour this way.
    painter.fillRect(inside, toQColor(backColour_, palette()));
    if (!picture_.isNull()) {
        painter.setClipRect(inside);
        painter.drawPixmap(inside.topLeft(), pixmapForScreen());
        painter.setClipping(false);
    }
    if (border_ == Border::Sunken) qDrawWinPanel(&painter, rect(), palette(), true);
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) pressed_ = true;
    event->accept();
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const bool wasPressed = pressed_;
    pressed_ = false;
    if (wasPressed && rect().contains(event->position().toPoint())) emit clicked();
}

// Handled here: the window behind the box must not take a move over the
// box for one over the bare window.
void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
}

}  // namespace tenebrix::qt
