// SPDX-License-Identifier: GPL-3.0-or-later
// The fonts of the game's windows.
#include "GameFonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace tenebrix::qt {

QString firstInstalledFamily(std::span<const char* const> families, const QString& fallback) {
    const QStringList installed = QFontDatabase::families();
    for (const char* candidate : families) {
        if (installed.contains(QLatin1String(candidate), Qt::CaseInsensitive))
            return QLatin1String(candidate);
    }
    return fallback;
}

QString gameFontFamily() {
    static const QString family = firstInstalledFamily(
        forms::kFormFontFamilies, QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
    return family;
}

QFont fontOf(const QString& family, forms::Font size) {
    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(size.points);
    font.setBold(size.bold);
    return font;
}

QFont formFont() {
    return fontOf(gameFontFamily(), forms::kFormFont);
}

QFont boldCaptionFont() {
    return fontOf(gameFontFamily(), forms::kBoldCaptionFont);
}

}  // namespace tenebrix::qt
