// SPDX-License-Identifier: GPL-3.0-or-later
// The windows' data from ui/forms/ in Qt's types: places in logical pixels
// (Qt scales those on high-density screens itself), names as QStrings,
// alignments.
#pragma once

#include <QRect>
#include <QString>

#include "Control.h"
#include "ControlNames.h"
#include "Twips.h"

namespace tenebrix::qt {

inline QRect toPixels(const forms::TwipRect& r) {
    const forms::PixelRect pixels = forms::toPixelRect(r);
    return {pixels.left, pixels.top, pixels.width, pixels.height};
}

// "picTile(7)" for ("picTile", 7).
inline QString arrayName(const char* name, int index) {
    return QString::fromStdString(forms::arrayName(name, index));
}

// Across only; the caller picks the place up and down.
constexpr Qt::Alignment toQtAlignment(forms::TextAlign align) {
    switch (align) {
        case forms::TextAlign::Centre:
            return Qt::AlignHCenter;
        case forms::TextAlign::Right:
            return Qt::AlignRight;
        case forms::TextAlign::Left:
            break;
    }
    return Qt::AlignLeft;
}

}  // namespace tenebrix::qt
