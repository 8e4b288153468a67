// SPDX-License-Identifier: GPL-3.0-or-later
// A picture box as the game's windows use it: a back colour, a picture at the
// top left of its inside, and either no border or a 2-pixel sunken one. The
// picture is drawn for the screen's pixel ratio, so it stays sharp.
#pragma once

#include <QPixmap>
#include <QWidget>

#include "Colour.h"

namespace tenebrix::qt {

// Which picture a box shows: a drawing function and the picture's number.
// Boxes showing the same picture compare equal, so repainting the board with
// unchanged pictures draws nothing anew.
struct PictureRef {
    QPixmap (*draw)(int index, qreal devicePixelRatio) = nullptr;
    int index = 0;

    bool isNull() const { return draw == nullptr; }
    bool operator==(const PictureRef&) const = default;
};

class PictureBox : public QWidget {
    Q_OBJECT

  public:
    enum class Border { None, Sunken };
    static constexpr int kSunkenBorderWidth = 2;

    explicit PictureBox(Border border, QWidget* parent = nullptr);

    Colour backColour() const { return backColour_; }
    void setBackColour(Colour colour);
    PictureRef picture() const { return picture_; }
    void setPicture(PictureRef picture);
    // The area inside the border, where the back colour and picture show.
    QRect insideRect() const;

  signals:
    // A left button pressed and released over the box.
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    const QPixmap& pixmapForScreen();

    Border border_;
    Colour backColour_ = kPlatformBackColour;
    PictureRef picture_;
    QPixmap cached_;
    qreal cachedRatio_ = 0;
    bool pressed_ = false;
};

}  // namespace tenebrix::qt
