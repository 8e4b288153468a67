// SPDX-License-Identifier: GPL-3.0-or-later
// Where the main window opens, and how its placement is written when it
// closes. Positions and sizes are in twips, as the settings store keeps them.
#pragma once

#include <QLocale>
#include <QString>

namespace tenebrix::ui {

// To the nearest whole number, an exact half to the even one (302.5 -> 302,
// 303.5 -> 304), then held to the 16-bit range the top edge is kept in.
int roundHalfEvenToInt16(double value);

// The top edge that centres a window `outerHeight` high on a screen
// `screenHeight` high; negative on a screen lower than the window, so the
// title bar lies above the screen.
int centredTopTwips(int screenHeightTwips, int outerHeightTwips);

// A placement value as stored: at most seven significant digits, no leading
// blank, whole numbers as plain digits, a fraction with the locale's
// decimal separator.
QString placementText(float twips, const QLocale& locale = QLocale::system());

}  // namespace tenebrix::ui
