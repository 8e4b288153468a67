// SPDX-License-Identifier: GPL-3.0-or-later
// The fonts of the game's windows.
#include "GameFonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace tenebrix::ui {

namespace {

// Liberation Sans keeps the widths the controls were sized for: "Change all
// tiles to black" and "Reset Puzzle" still fit at 8 point. The narrow cut
// is the safety net should only it be installed.
const QStringList kFamilies{QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                            QStringLiteral("Liberation Sans Narrow"),
                            QStringLiteral("Nimbus Sans Narrow")};

QFont fontOf(qreal pointSize, bool bold) {
    QFont font(gameFontFamily());
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

}  // namespace

QString gameFontFamily() {
    static const QString family = [] {
        const QStringList installed = QFontDatabase::families();
        for (const QString& candidate : kFamilies) {
            if (installed.contains(candidate, Qt::CaseInsensitive)) return candidate;
        }
        return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    }();
    return family;
}

QFont formFont() {
    return fontOf(8.0, false);
}

QFont boldCaptionFont() {
    return fontOf(9.75, true);
}

}  // namespace tenebrix::ui
