// SPDX-License-Identifier: GPL-3.0-or-later
// Where the main window opens, and how its placement is written.
#include "WindowPlacement.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace tenebrix::ui {

int roundHalfEvenToInt16(double value) {
    constexpr double lowest = std::numeric_limits<std::int16_t>::min();
    constexpr double highest = std::numeric_limits<std::int16_t>::max();
    if (std::isnan(value)) return 0;
    // The default floating-point rounding mode already sends halves to even.
    const double rounded = std::nearbyint(value);
    if (rounded < lowest) return static_cast<int>(lowest);
    if (rounded > highest) return static_cast<int>(highest);
    return static_cast<int>(rounded);
}

int centredTopTwips(int screenHeightTwips, int outerHeightTwips) {
    return roundHalfEvenToInt16((static_cast<double>(screenHeightTwips) - outerHeightTwips) / 2.0);
}

QString placementText(float twips, const QLocale& locale) {
    QString text = QString::number(static_cast<double>(twips), 'g', 7).toUpper();
    text.replace(QLatin1Char('.'), locale.decimalPoint());
    return text;
}

}  // namespace tenebrix::ui
