// SPDX-License-Identifier: GPL-3.0-or-later
// The fonts of the game's windows: the first family of a face's list that
// the system has, so captions still fit the controls drawn for them.
#pragma once

#include <QFont>
#include <QString>
#include <span>

#include "Fonts.h"

namespace tenebrix::qt {

// The first of `families` that is installed, else `fallback`.
QString firstInstalledFamily(std::span<const char* const> families, const QString& fallback);
// The family in use for `face`: the first installed of its list, else the
// system's own.
QString familyOf(forms::FontFace face);
// `font` in its face's family, a sans serif whatever family it falls back to.
QFont fontOf(forms::Font font);
// The windows' own font: 8 point.
QFont formFont();

}  // namespace tenebrix::qt
