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

// Each list is looked up once, when a window first needs it: the splash
// screen, drawn first of all, does not wait for the other.
QString familyOf(forms::FontFace face) {
    if (face == forms::FontFace::Splash) {
        static const QString splash =
            firstInstalledFamily(forms::kSplashFontFamilies, QFont().defaultFamily());
        return splash;
    }
    static const QString form = firstInstalledFamily(
        forms::kFormFontFamilies, QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
    return form;
}

QFont fontOf(forms::Font font) {
    QFont made(familyOf(font.face));
    made.setStyleHint(QFont::SansSerif);
    made.setPointSizeF(font.points);
    made.setBold(font.bold);
    return made;
}

QFont formFont() {
    return fontOf(forms::kFormFont);
}

}  // namespace tenebrix::qt
