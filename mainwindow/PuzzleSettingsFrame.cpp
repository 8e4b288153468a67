// SPDX-License-Identifier: GPL-3.0-or-later
// The "Puzzle Settings" frame.
#include "PuzzleSettingsFrame.h"

#include <qdrawutil.h>

#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>

#include "ControlNames.h"
#include "GameFonts.h"
#include "MainWindowLayout.h"
#include "PictureImages.h"
#include "Settings.h"
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
    PicOn_ = new PictureBox(PictureBox::Border::Sunken, this);
    PicOn_->setObjectName(QStringLiteral("PicOn"));
    PicOn_->setGeometry(toPixels(layout::PicOn));
    picOff_ = new PictureBox(PictureBox::Border::Sunken, this);
    picOff_->setObjectName(QStringLiteral("picOff"));
    picOff_->setGeometry(toPixels(layout::picOff));
    lblTileSet_ = addLabel("lblTileSet", QStringLiteral("Default"), Qt::AlignHCenter, false);
    lblTileSet_->setGeometry(toPixels(layout::lblTileSet));
    ScrollTileSet_ = addScrollBar("ScrollTileSet", tr("Tile set"), kMinTileSet, kMaxTileSet);
    ScrollTileSet_->setGeometry(toPixels(layout::ScrollTileSet));
    connect(ScrollTileSet_, &QScrollBar::valueChanged, this, &PuzzleSettingsFrame::tileSetChanged);
}

void PuzzleSettingsFrame::createModeControls() {
    for (int k = 1; k <= static_cast<int>(picMode_.size()); ++k) {
        auto* diagram = new PictureBox(PictureBox::Border::None, this);
        diagram->setObjectName(arrayName("picMode", k));
        diagram->setGeometry(toPixels(layout::picMode(k)));
        diagram->setPicture({&modeDiagramPicture, k});
        diagram->setVisible(k == kMinMode);
        picMode_[k - 1] = diagram;
    }
    lblMode_ = addLabel("lblMode", QStringLiteral("lblMode"), Qt::AlignHCenter, true);
    lblMode_->setGeometry(toPixels(layout::lblMode));
    ScrollMode_ = addScrollBar("ScrollMode", tr("Mode"), kMinMode, kMaxMode);
    ScrollMode_->setGeometry(toPixels(layout::ScrollMode));
    connect(ScrollMode_, &QScrollBar::valueChanged, this, &PuzzleSettingsFrame::modeChanged);
}

void PuzzleSettingsFrame::createLevelControls() {
    lblLevel_ = addLabel("lblLevel", QStringLiteral("lblLevel"), Qt::AlignHCenter, true);
    lblLevel_->setGeometry(toPixels(layout::lblLevel));
    ScrollLevel_ = addScrollBar("ScrollLevel", tr("Level"), kMinLevel, kMaxLevel);
    ScrollLevel_->setGeometry(toPixels(layout::ScrollLevel));
    connect(ScrollLevel_, &QScrollBar::valueChanged, this, &PuzzleSettingsFrame::levelChanged);
}

void PuzzleSettingsFrame::createMoveCounter() {
    QLabel* movesLabel = addLabel("lblMovesLabel", tr("Moves:"), Qt::AlignRight, true);
    movesLabel->setGeometry(toPixels(layout::lblMovesLabel));
    lblMoves_ = addLabel("lblMoves", QStringLiteral("0"), Qt::AlignLeft, true);
    lblMoves_->setGeometry(toPixels(layout::lblMoves));
}

// Captions sit at the top of their labels, where the counter's digits line
// up with "Moves:" beside them.
QLabel* PuzzleSettingsFrame::addLabel(const char* name, const QString& caption,
                                      Qt::Alignment alignment, bool bold) {
    auto* label = new QLabel(caption, this);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(alignment | Qt::AlignTop);
    if (bold) label->setFont(boldCaptionFont());
    return label;
}

// One step per arrow click and per click in the track; dragging the thumb
// changes the setting only when it is let go. A screen reader names each bar
// after its setting, since the caption above it shows only the value.
QScrollBar* PuzzleSettingsFrame::addScrollBar(const char* name, const QString& setting, int minimum,
                                              int maximum) {
    auto* bar = new QScrollBar(Qt::Horizontal, this);
    bar->setObjectName(QLatin1String(name));
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
    for (int k = 1; k <= static_cast<int>(picMode_.size()); ++k) picMode_[k - 1]->hide();
    if (mode >= 1 && mode <= static_cast<int>(picMode_.size())) picMode_[mode - 1]->show();
}

void PuzzleSettingsFrame::showTileSet(int tileSet) {
    const qt::TileSetList imlTileSets;
    const int dark = 2 * tileSet;
    lblTileSet_->setText(imlTileSets.text(dark));
    picOff_->setPicture({&tileSetPicture, dark});
    PicOn_->setPicture({&tileSetPicture, dark - 1});
}

void PuzzleSettingsFrame::setLevelQuietly(int level) {
    const QSignalBlocker quiet(ScrollLevel_);
    ScrollLevel_->setValue(level);
}

}  // namespace tenebrix::ui
