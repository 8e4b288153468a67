// SPDX-License-Identifier: GPL-3.0-or-later
// Where the main window opens, and how its placement is written.
#include "WindowPlacement.h"

#include "Placement.h"

namespace tenebrix::ui {

int roundHalfEvenToInt16(double value) {
    return forms::roundHalfEvenToInt16(value);
}

int centredTopTwips(int screenHeightTwips, int outerHeightTwips) {
    return forms::centredTopTwips(screenHeightTwips, outerHeightTwips);
}

QString placementText(float twips, const QLocale& locale) {
    QString text = QString::fromStdString(forms::placementText(twips));
    text.replace(QLatin1Char('.'), locale.decimalPoint());
    return text;
}

}  // namespace tenebrix::ui
