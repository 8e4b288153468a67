// SPDX-License-Identifier: GPL-3.0-or-later
// The fonts of the game's windows: MS Sans Serif where the system has it,
// otherwise a sans serif whose captions still fit the controls drawn for it.
#pragma once

#include <QFont>
#include <QString>

namespace tenebrix::ui {

// The family in use: "MS Sans Serif", else the first installed fallback.
QString gameFontFamily();
// Ordinary text: 8 point.
QFont formFont();
// The panel's level, mode and move captions: 9.75 point bold.
QFont boldCaptionFont();

}  // namespace tenebrix::ui
