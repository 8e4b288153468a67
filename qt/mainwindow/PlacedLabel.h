// SPDX-License-Identifier: GPL-3.0-or-later
// Makes a named label at its place in twips, with its caption's font and
// alignment: the one way the game's windows make their labels.
#pragma once

#include <QFont>
#include <QString>

#include "Twips.h"

class QLabel;
class QWidget;

namespace tenebrix::qt {

struct LabelLook {
    QFont font;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    // A word-wrapped caption breaks its lines to the label's width.
    bool wordWrap = false;
};

// Captions are plain text: nothing in one is read as markup or a link.
QLabel* placeLabel(QWidget* parent, const QString& name, const forms::TwipRect& place,
                   const QString& caption, const LabelLook& look);

}  // namespace tenebrix::qt
