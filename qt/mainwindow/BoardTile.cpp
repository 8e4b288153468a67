// SPDX-License-Identifier: GPL-3.0-or-later
// A board tile that the keyboard and screen readers reach too.
#include "BoardTile.h"

#include <QPainter>

#include "BoardTileAccessible.h"
#include "Captions.h"

namespace tenebrix::qt {

namespace {

// Where the dotted square sits: inside the picture's transparent margin and
// its two-pixel frame, a little way into the face.
constexpr int kPictureMargin = 3;
constexpr int kPictureFrame = 2;
constexpr int kDotsInsideFace = 3;

// "Tile 7, lit", as every front end names the tile.
QString accessibleNameOf(int tile, bool lit) {
    return QString::fromStdString(ui::tileName(tile, lit));
}

}  // namespace

BoardTile::BoardTile(int tile, QWidget* parent) : PictureBox(Border::Sunken, parent), tile_(tile) {
    installBoardTileAccessibility();
    // The window decides which tile is the board's stop in the tab chain;
    // a click never takes the focus, so the mouse shows no mark.
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(accessibleNameOf(tile_, false));
}

// Setting the name tells a running screen reader of the change, so only a
// real change is set: a repaint of the whole board must not make the reader
// repeat 25 unchanged tiles. Nor is an unchanged name worded again, which
// would cost every click 25 lookups in the player's catalogue.
void BoardTile::setLit(bool lit) {
    if (lit == lit_) return;
    lit_ = lit;
    setAccessibleName(accessibleNameOf(tile_, lit));
}

void BoardTile::press() {
    emit clicked();
}

void BoardTile::paintEvent(QPaintEvent* event) {
    PictureBox::paintEvent(event);
    if (hasFocus()) paintFocusMark();
}

// Two marks, neither in the 3-pixel margin around the picture, which carries
// the move preview's colour: the border takes the focus colour, and a dotted
// square, black and white so it shows on every face, sits on the face.
void BoardTile::paintFocusMark() {
    QPainter painter(this);
    const QRect inside = insideRect();
    painter.setClipRegion(QRegion(rect()).subtracted(inside));
    painter.fillRect(rect(), palette().color(QPalette::Highlight));
    painter.setClipping(false);

    const int faceInset = kPictureMargin + kPictureFrame + kDotsInsideFace;
    const QRect dots = inside.adjusted(faceInset, faceInset, -faceInset - 1, -faceInset - 1);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(dots);
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.drawRect(dots);
}

}  // namespace tenebrix::qt
