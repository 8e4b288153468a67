// SPDX-License-Identifier: GPL-3.0-or-later
// Making a window's controls from its table.
#include "FormControls.h"

#include <QFrame>
#include <QLabel>
#include <algorithm>
#include <functional>

#include "BoardTile.h"
#include "Captions.h"
#include "ControlWidgets.h"
#include "GameFonts.h"
#include "PictureBox.h"
#include "PictureImages.h"
#include "QtColour.h"
#include "QtForms.h"

namespace tenebrix::qt {

using forms::Control;
using forms::ControlKind;

namespace {

// In the player's language.
QString captionOf(const Control& row) {
    return QString::fromStdString(ui::captionOf(row));
}

QPixmap modeDiagramPicture(int mode, qreal ratio) {
    return modeDiagram(mode, ratio);
}
QPixmap logoFramePicture(int frame, qreal ratio) {
    return logoFrame(frame, ratio);
}
QPixmap aboutBoxPicture(int, qreal ratio) {
    return aboutPicture(ratio);
}

PictureRef startPictureOf(const Control& row) {
    switch (row.picture) {
        case forms::StartPicture::ModeDiagram:
            return {&modeDiagramPicture, row.index};
        case forms::StartPicture::LogoFrame:
            return {&logoFramePicture, row.index};
        case forms::StartPicture::AboutPicture:
            return {&aboutBoxPicture, 0};
        case forms::StartPicture::None:
            break;
    }
    return {};
}

QWidget* makePictureBox(const Control& row, QWidget* parent) {
    const auto border =
        row.border == forms::Border::Sunken ? PictureBox::Border::Sunken : PictureBox::Border::None;
    PictureBox* box =
        row.boardTile ? new BoardTile(row.index, parent) : new PictureBox(border, parent);
    box->setPicture(startPictureOf(row));
    if (row.picturePixels > 0) {
        // Sized to its picture, inside the border.
        const int inset = border == PictureBox::Border::Sunken ? PictureBox::kSunkenBorderWidth : 0;
        const int side = row.picturePixels + 2 * inset;
        box->setGeometry(QRect(toPixels(row.place).topLeft(), QSize(side, side)));
    }
    return box;
}

// A control in its container's font keeps it.
void setFontOf(QWidget* control, const Control& row) {
    const QFont font = fontOf(row.font);
    if (font != control->font()) control->setFont(font);
}

// A frame with a caption is a group box, which a screen reader names after
// it; one without is a plain etched box.
QWidget* makeFrame(const Control& row, QWidget* parent) {
    if (!*row.caption) {
        auto* box = new QFrame(parent);
        box->setFrameShape(QFrame::Box);
        box->setFrameShadow(QFrame::Sunken);
        return box;
    }
    auto* frame = new FrameBox(captionOf(row), parent);
    setFontOf(frame, row);
    return frame;
}

// Captions are plain text: nothing in one is read as markup or a link.
QWidget* makeLabel(const Control& row, QWidget* parent, FormLook look) {
    auto* label = new QLabel(captionOf(row), parent);
    label->setTextFormat(Qt::PlainText);
    setFontOf(label, row);
    label->setWordWrap(row.wordWrap);
    label->setAlignment(toQtAlignment(row.align) |
                        (row.wordWrap ? Qt::AlignTop : look.captionVertical));
    return label;
}

QWidget* makeButton(const Control& row, QWidget* parent) {
    auto* button = new Button(captionOf(row), parent);
    setFontOf(button, row);
    button->setDefault(row.isDefault);
    button->setAutoDefault(row.isDefault);
    button->setFocusPolicy(row.tabStop ? Qt::StrongFocus : Qt::NoFocus);
    return button;
}

// Dragging the thumb changes nothing until it is let go: the bar reports
// its value only then.
QWidget* makeScrollBar(const Control& row, QWidget* parent) {
    auto* bar = new ScrollBar(parent);
    bar->setRange(row.minimum, row.maximum);
    bar->setSingleStep(row.smallChange);
    bar->setPageStep(row.largeChange);
    bar->setValue(row.minimum);
    bar->setTracking(false);
    bar->setFocusPolicy(row.tabStop ? Qt::StrongFocus : Qt::NoFocus);
    return bar;
}

QWidget* makeLine(const Control& row, QWidget* parent) {
    auto* line = new SeparatorLine(toQColor(row.lineColour, parent->palette()), parent);
    const QRect place = toPixels(row.place);
    line->setGeometry(place.left(), place.top(), place.width(), row.linePixels);
    return line;
}

}  // namespace

// Qt's tab chain follows the order the widgets are made in, so they are
// made in the table's order; Qt paints a later-made widget over an earlier
// one, so each is then put beneath those made before it, which leaves the
// first listed on top.
FormControls::FormControls(std::span<const Control> table, QWidget* surface, FormLook look)
    : table_(table), widgets_(table.size(), nullptr) {
    for (std::size_t at = 0; at < table_.size(); ++at) make(at, surface, look);
    for (QWidget* widget : widgets_) {
        if (widget) widget->lower();
    }
}

// A frame is made before what it holds, whose place it is.
QWidget* FormControls::make(std::size_t at, QWidget* surface, FormLook look) {
    if (widgets_[at]) return widgets_[at];
    const Control& row = table_[at];
    QWidget* parent = surface;
    if (row.inFrame()) {
        if (const Control* frame = find(row.container))
            parent = make(indexOf(*frame), surface, look);
    }
    QWidget* made = nullptr;
    switch (row.kind) {
        case ControlKind::Frame:
            made = makeFrame(row, parent);
            break;
        case ControlKind::PictureBox:
            made = makePictureBox(row, parent);
            break;
        case ControlKind::Label:
            made = makeLabel(row, parent, look);
            break;
        case ControlKind::Button:
            made = makeButton(row, parent);
            break;
        case ControlKind::ScrollBar:
            made = makeScrollBar(row, parent);
            break;
        case ControlKind::Line:
            made = makeLine(row, parent);
            break;
        case ControlKind::StatusBar:
        case ControlKind::Timer:
            return nullptr;
    }
    made->setObjectName(QString::fromStdString(row.fullName()));
    // A line and a box sized to its picture have placed themselves.
    if (row.kind != ControlKind::Line && row.picturePixels == 0)
        made->setGeometry(toPixels(row.place));
    // It keeps its left edge and grows to fit its caption.
    if (row.growsToText) {
        const QSize needed = made->sizeHint();
        made->resize(std::max(made->width(), needed.width()),
                     std::max(made->height(), needed.height()));
    }
    if (*row.accessibleName)
        made->setAccessibleName(QString::fromStdString(ui::accessibleNameOf(row)));
    if (!row.visible) made->setVisible(false);
    add(row, made);
    return made;
}

// The table's size for a row of another table.
std::size_t FormControls::indexOf(const Control& row) const {
    const Control* first = table_.data();
    const std::less<const Control*> before;
    if (before(&row, first) || !before(&row, first + table_.size())) return table_.size();
    return static_cast<std::size_t>(&row - first);
}

QWidget* FormControls::widget(const Control& row) const {
    const std::size_t at = indexOf(row);
    return at < widgets_.size() ? widgets_[at] : nullptr;
}

const Control* FormControls::row(const QWidget* widget) const {
    if (!widget) return nullptr;
    const auto found = std::find(widgets_.begin(), widgets_.end(), widget);
    return found == widgets_.end() ? nullptr
                                   : &table_[static_cast<std::size_t>(found - widgets_.begin())];
}

const Control* FormControls::find(std::string_view name, int index) const {
    return forms::findControl(table_, name, index);
}

void FormControls::add(const Control& row, QWidget* widget) {
    const std::size_t at = indexOf(row);
    if (at >= widgets_.size() || !widget) return;
    widgets_[at] = widget;
}

}  // namespace tenebrix::qt
