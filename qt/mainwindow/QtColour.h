// SPDX-License-Identifier: GPL-3.0-or-later
// The game's colours (&H00BBGGRR) as Qt colours. A system colour comes from
// the palette: the window's background, or else the button face, which is
// the platform's default back colour of a picture box.
#pragma once

#include <QColor>
#include <QPalette>

#include "Colour.h"
#include "SystemColours.h"

namespace tenebrix::qt {

inline QColor toQColor(Colour colour, const QPalette& palette) {
    if (colour == forms::kWindowBackgroundColour) return palette.color(QPalette::Window);
    if (isSystemColour(colour)) return palette.color(QPalette::Button);
    return QColor(redOf(colour), greenOf(colour), blueOf(colour));
}

}  // namespace tenebrix::qt
