// SPDX-License-Identifier: GPL-3.0-or-later
// The splash screen's fonts: Arial where installed, otherwise a sans serif
// with the same metrics, so the texts take the room they were laid out for.
#pragma once

#include <QFont>

#include "GameFonts.h"
#include "SplashForm.h"

namespace tenebrix::startup {

inline QFont splashFont(const forms::frmSplash::Label& label) {
    return qt::fontOf(
        qt::firstInstalledFamily(forms::frmSplash::kFontFamilies, QFont().defaultFamily()),
        {forms::FontFace::Splash, label.points, label.bold});
}

}  // namespace tenebrix::startup
