// SPDX-License-Identifier: GPL-3.0-or-later
// The "Puzzle Settings" frame.
#include "PuzzleSettingsFrame.h"

#include <qdrawutil.h>

#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>

#include "GameFonts.h"
#include "MainWindowLayout.h"
#include "PictureImages.h"
#include "PlacedControl.h"
#include "QtForms.h"
#include "Settings.h"
#include "TilePictures.h"
#include "TileSetList.h"

namespace tenebrix::ui {

namespace {

QPixmap tileSetPicture(int index, qreal devicePixelRatio) {
    return qt::TileSetList().picture(index, devicePixelRatio);
}

QPixmap modeDiagramPicture(int mode, qreal devicePixelRatio) {
    return qt::modeDiagram(mode, devicePixelRatio);
}

}  // namespace

PuzzleSettingsFrame::PuzzleSettingsFrame(QWidget* parent)
    : QGroupBox(tr("Puzzle Settings"), parent) {
    setObjectName(QStringLiteral("Frame1"));
    setGeometry(toPixels(layout::Frame1));
    createTileSetControls();
    createModeControls();
    createLevelControls();
    createMoveCounter();
}

void PuzzleSettingsFrame::createTileSetControls() {
    PicOn_ = placeControl<PictureBox>(this, QStringLiteral("PicOn"), layout::PicOn,
                                      PictureBox::Border::Sunken);
    picOff_ = placeControl<PictureBox>(this, QStringLiteral("picOff"), layout::picOff,
                                       PictureBox::Border::Sunken);
    lblTileSet_ = addLabel("lblTileSet", layout::lblTileSet, QStringLiteral("Default"),
                           Qt::AlignHCenter, false);
    ScrollTileSet_ = addScrollBar("ScrollTileSet", layout::ScrollTileSet, tr("Tile set"),
                                  kMinTileSet, kMaxTileSet);
    connect(ScrollTileSet_, &QScrollBar::valueChanged, this, &PuzzleSettingsFrame::tileSetChanged);
}

void PuzzleSettingsFrame::createModeControls() {
    for (int k = kMinMode; k <= kMaxMode; ++k) {
        auto* diagram = placeControl<PictureBox>(this, arrayName("picMode", k), layout::picMode(k),
                                                 PictureBox::Border::None);
        diagram->setPicture({&modeDiagramPicture, k});
        diagram->setVisible(k == kMinMode);
        picMode_[k - 1] = diagram;
    }
    lblMode_ =
        addLabel("lblMode", layout::lblMode, QStringLiteral("lblMode"), Qt::AlignHCenter, true);
    ScrollMode_ = addScrollBar("ScrollMode", layout::ScrollMode, tr("Mode"), kMinMode, kMaxMode);
    connect(ScrollMode_, &QScrollBar::valueChanged, this, &PuzzleSettingsFrame::modeChanged);
}

void PuzzleSettingsFrame::createLevelControls() {
    lblLevel_ =
        addLabel("lblLevel", layout::lblLevel, QStringLiteral("lblLevel"), Qt::AlignHCenter, true);
    ScrollLevel_ =
        addScrollBar("ScrollLevel", layout::ScrollLevel, tr("Level"), kMinLevel, kMaxLevel);
    connect(ScrollLevel_, &QScrollBar::valueChanged, this, &PuzzleSettingsFrame::levelChanged);
}

void PuzzleSettingsFrame::createMoveCounter() {
    addLabel("lblMovesLabel", layout::lblMovesLabel, tr("Moves:"), Qt::AlignRight, true);
    lblMoves_ = addLabel("lblMoves", layout::lblMoves, QStringLiteral("0"), Qt::AlignLeft, true);
}

// Captions sit at the top of their labels, where the counter's digits line
// up with "Moves:" beside them.
QLabel* PuzzleSettingsFrame::addLabel(const char* name, const TwipRect& place,
                                      const QString& caption, Qt::Alignment alignment, bool bold) {
    auto* label = placeControl<QLabel>(this, QLatin1String(name), place, caption);
    label->setAlignment(alignment | Qt::AlignTop);
    if (bold) label->setFont(boldCaptionFont());
    return label;
}

// One step per arrow click and per click in the track; dragging the thumb
// changes the setting only when it is let go. A screen reader names each bar
// after its setting, since the caption above it shows only the value.
QScrollBar* PuzzleSettingsFrame::addScrollBar(const char* name, const TwipRect& place,
                                              const QString& setting, int minimum, int maximum) {
    auto* bar = placeControl<QScrollBar>(this, QLatin1String(name), place, Qt::Horizontal);
    bar->setAccessibleName(setting);
    bar->setRange(minimum, maximum);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    bar->setValue(minimum);
    bar->setTracking(false);
    bar->setFocusPolicy(Qt::StrongFocus);
    return bar;
}

// An etched line around the frame, broken by the caption that sits on its
// top edge, so the contents keep the places they were laid out for.
void PuzzleSettingsFrame::paintEvent(QPaintEvent*) {
    constexpr int captionLeft = 8;
    constexpr int captionPadding = 2;
    QPainter painter(this);
    const QFontMetrics metrics(font());
    qDrawShadeRect(&painter, rect().adjusted(0, metrics.height() / 2, 0, 0), palette(), true);
    const QRect caption(captionLeft, 0, metrics.horizontalAdvance(title()) + 2 * captionPadding,
                        metrics.height());
    painter.fillRect(caption, palette().window());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(caption, Qt::AlignCenter, title());
}

void PuzzleSettingsFrame::showModeDiagram(int mode) {
    for (PictureBox* diagram : picMode_) diagram->hide();
    if (isMode(mode)) picMode_[mode - 1]->show();
}

void PuzzleSettingsFrame::showTileSet(int tileSet) {
    const qt::TileSetList imlTileSets;
    lblTileSet_->setText(imlTileSets.text(pictures::darkPictureOf(tileSet)));
    picOff_->setPicture({&tileSetPicture, pictures::darkPictureOf(tileSet)});
    PicOn_->setPicture({&tileSetPicture, pictures::litPictureOf(tileSet)});
}

void PuzzleSettingsFrame::setLevelQuietly(int level) {
    const QSignalBlocker quiet(ScrollLevel_);
    ScrollLevel_->setValue(level);
}

}  // namespace tenebrix::ui
