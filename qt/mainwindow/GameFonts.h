// SPDX-License-Identifier: GPL-3.0-or-later
// The fonts of the game's windows: the first family of a form's list that
// the system has, so captions still fit the controls drawn for them.
#pragma once

#include <QFont>
#include <QString>
#include <span>

#include "Fonts.h"

namespace tenebrix::qt {

// The first of `families` that is installed, else `fallback`.
QString firstInstalledFamily(std::span<const char* const> families, const QString& fallback);
// The family in use: "MS Sans Serif", else the first installed fallback.
QString gameFontFamily();
// `size` of `family`, a sans serif whatever family it falls back to.
QFont fontOf(const QString& family, forms::Font size);
// Ordinary text: 8 point.
QFont formFont();
// The panel's level, mode and move captions: 9.75 point bold.
QFont boldCaptionFont();

}  // namespace tenebrix::qt
