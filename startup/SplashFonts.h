// SPDX-License-Identifier: GPL-3.0-or-later
// The splash screen's fonts: Arial where installed, otherwise a sans serif
// with the same metrics, so the texts take the room they were laid out for.
#pragma once

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

namespace tenebrix::startup {

inline QString splashFontFamily() {
    const QStringList installed = QFontDatabase::families();
    for (const char* family : {"Arial", "Liberation Sans", "Arimo"}) {
        if (installed.contains(QLatin1String(family), Qt::CaseInsensitive))
            return QLatin1String(family);
    }
    return QFont().defaultFamily();
}

inline QFont splashFont(qreal points, bool bold) {
    QFont font(splashFontFamily());
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

}  // namespace tenebrix::startup
