// SPDX-License-Identifier: GPL-3.0-or-later
// Labels as the game's windows make them.
#include "PlacedLabel.h"

#include <QLabel>

#include "PlacedControl.h"

namespace tenebrix::qt {

QLabel* placeLabel(QWidget* parent, const QString& name, const forms::TwipRect& place,
                   const QString& caption, const LabelLook& look) {
    auto* label = placeControl<QLabel>(parent, name, place, caption);
    label->setTextFormat(Qt::PlainText);
    label->setFont(look.font);
    label->setAlignment(look.alignment);
    label->setWordWrap(look.wordWrap);
    return label;
}

}  // namespace tenebrix::qt
