// SPDX-License-Identifier: GPL-3.0-or-later
// The "Puzzle Settings" frame.
#include "PuzzleSettingsFrame.h"

#include <qdrawutil.h>

#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>

#include "GameFonts.h"
#include "LabelAlignment.h"
#include "MainWindowForm.h"
#include "MainWindowNames.h"
#include "PictureImages.h"
#include "PlacedControl.h"
#include "PlacedLabel.h"
#include "QtForms.h"
#include "Settings.h"
#include "TilePictures.h"
#include "TileSetList.h"

namespace tenebrix::qt {

namespace form = forms::frmMain;

namespace {

QPixmap tileSetPicture(int index, qreal devicePixelRatio) {
    return qt::TileSetList().picture(index, devicePixelRatio);
}

QPixmap modeDiagramPicture(int mode, qreal devicePixelRatio) {
    return qt::modeDiagram(mode, devicePixelRatio);
}

}  // namespace

PuzzleSettingsFrame::PuzzleSettingsFrame(QWidget* parent)
    : QGroupBox(tr(form::kFrame1Caption), parent) {
    setObjectName(QLatin1String(form::kFrame1Name));
    setGeometry(toPixels(form::Frame1));
    createTileSetControls();
    createModeControls();
    createLevelControls();
    createMoveCounter();
}

void PuzzleSettingsFrame::createTileSetControls() {
    PicOn_ = placeControl<PictureBox>(this, QLatin1String(form::kPicOnName), form::PicOn,
                                      PictureBox::Border::Sunken);
    picOff_ = placeControl<PictureBox>(this, QLatin1String(form::kPicOffName), form::picOff,
                                       PictureBox::Border::Sunken);
    lblTileSet_ = addLabel(form::lblTileSet);
    ScrollTileSet_ = addScrollBar(form::ScrollTileSet, kMinTileSet, kMaxTileSet);
    connect(ScrollTileSet_, &QScrollBar::valueChanged, this, &PuzzleSettingsFrame::tileSetChanged);
}

void PuzzleSettingsFrame::createModeControls() {
    for (int k = kMinMode; k <= kMaxMode; ++k) {
        auto* diagram = placeControl<PictureBox>(this, arrayName(form::kModeDiagramName, k),
                                                 form::picMode(k), PictureBox::Border::None);
        diagram->setPicture({&modeDiagramPicture, k});
        diagram->setVisible(k == kMinMode);
        picMode_[k - 1] = diagram;
    }
    lblMode_ = addLabel(form::lblMode);
    ScrollMode_ = addScrollBar(form::ScrollMode, kMinMode, kMaxMode);
    connect(ScrollMode_, &QScrollBar::valueChanged, this, &PuzzleSettingsFrame::modeChanged);
}

void PuzzleSettingsFrame::createLevelControls() {
    lblLevel_ = addLabel(form::lblLevel);
    ScrollLevel_ = addScrollBar(form::ScrollLevel, kMinLevel, kMaxLevel);
    connect(ScrollLevel_, &QScrollBar::valueChanged, this, &PuzzleSettingsFrame::levelChanged);
}

void PuzzleSettingsFrame::createMoveCounter() {
    addLabel(form::lblMovesLabel);
    lblMoves_ = addLabel(form::lblMoves);
}

// Captions sit at the top of their labels, where the counter's digits line
// up with "Moves:" beside them.
QLabel* PuzzleSettingsFrame::addLabel(const form::FrameLabel& label) {
    return placeLabel(this, QLatin1String(label.name), label.place, tr(label.caption),
                      {label.bold ? boldCaptionFont() : formFont(),
                       toQtAlignment(form::alignmentOf(label)) | Qt::AlignTop});
}

// One step per arrow click and per click in the track; dragging the thumb
// changes the setting only when it is let go. A screen reader names each bar
// after its setting, since the caption above it shows only the value.
QScrollBar* PuzzleSettingsFrame::addScrollBar(const form::ScrollBar& scrollBar, int minimum,
                                              int maximum) {
    auto* bar = placeControl<QScrollBar>(this, QLatin1String(scrollBar.name), scrollBar.place,
                                         Qt::Horizontal);
    bar->setAccessibleName(tr(scrollBar.setting));
    bar->setRange(minimum, maximum);
    bar->setSingleStep(form::kScrollSmallChange);
    bar->setPageStep(form::kScrollLargeChange);
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

}  // namespace tenebrix::qt
