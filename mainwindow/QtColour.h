// SPDX-License-Identifier: GPL-3.0-or-later
// The game's colours (&H00BBGGRR) as Qt colours. The platform's default back
// colour of a picture box is the palette's button face.
#pragma once

#include <QColor>
#include <QPalette>

#include "Colour.h"

namespace tenebrix::ui {

inline QColor toQColor(Colour colour, const QPalette& palette) {
    if (isSystemColour(colour)) return palette.color(QPalette::Button);
    return QColor(redOf(colour), greenOf(colour), blueOf(colour));
}

}  // namespace tenebrix::ui
