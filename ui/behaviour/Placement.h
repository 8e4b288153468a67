// SPDX-License-Identifier: GPL-3.0-or-later
// Where the main window opens, and how its placement is written when it
// closes: positions and sizes in twips, as the settings store keeps them.
#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

namespace tenebrix::ui {

// To the nearest whole number, an exact half to the even one (302.5 -> 302,
// 303.5 -> 304), then held to the 16-bit range the top edge is kept in.
inline int roundHalfEvenToInt16(double value) {
    constexpr double lowest = std::numeric_limits<std::int16_t>::min();
    constexpr double highest = std::numeric_limits<std::int16_t>::max();
    if (std::isnan(value)) return 0;
    // The default floating-point rounding mode already sends halves to even.
    const double rounded = std::nearbyint(value);
    if (rounded < lowest) return static_cast<int>(lowest);
    if (rounded > highest) return static_cast<int>(highest);
    return static_cast<int>(rounded);
}

// The top edge that centres a window `outerHeight` high on a screen
// `screenHeight` high; negative on a screen lower than the window, so the
// title bar lies above the screen.
inline int centredTopTwips(int screenHeightTwips, int outerHeightTwips) {
    return roundHalfEvenToInt16((static_cast<double>(screenHeightTwips) - outerHeightTwips) / 2.0);
}

// A placement value as stored: at most seven significant digits, no leading
// blank, whole numbers as plain digits, a fraction with `decimalSeparator`
// (UTF-8, the player's own), a huge or tiny value with an upper-case
// exponent ("1.234568E+07").
std::string placementText(float twips, std::string_view decimalSeparator = ".");
inline std::string placementText(float twips, char decimalSeparator) {
    return placementText(twips, std::string_view(&decimalSeparator, 1));
}

// Where a window stands, in twips: its left and top edges and its outer size.
struct Placement {
    float left = 0, top = 0, width = 0, height = 0;
};

}  // namespace tenebrix::ui
