// SPDX-License-Identifier: GPL-3.0-or-later
// Where the main window opens, and how its placement is written when it
// closes. Positions and sizes are in twips, as the settings store keeps them.
#pragma once

#include <QLocale>
#include <QString>

#include "Placement.h"

namespace tenebrix::qt {

// A placement value as stored: at most seven significant digits, no leading
// blank, whole numbers as plain digits, a fraction with the locale's
// decimal separator.
QString placementTextIn(float twips, const QLocale& locale = QLocale::system());

}  // namespace tenebrix::qt
