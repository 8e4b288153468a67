// SPDX-License-Identifier: GPL-3.0-or-later
// The etched separator lines of the splash screen and the About box: each
// line's name, where it runs, how thick it is and its colour, in the order
// the lines are drawn, so a later line covers an earlier one where they meet.
#pragma once

#include "AboutForm.h"
#include "Colour.h"
#include "SplashForm.h"
#include "SystemColours.h"

namespace tenebrix::forms {

inline constexpr Colour kLineGrey = rgb(128, 128, 128);
inline constexpr Colour kLineWhite = rgb(255, 255, 255);

// A horizontal line from `left` to `right` at `top`, in twips within its
// container, `pixels` thick downwards from `top`.
struct SeparatorLine {
    const char* name;
    int left, right, top;
    int pixels;
    Colour colour;
};

namespace frmSplash {
// Both lines run along the same row, and Line1, drawn last, covers Line2.
inline constexpr SeparatorLine kLines[] = {
    {"Line2", kLineLeft, kLineRight, kLineTop, 1, kWindowBackgroundColour},
    {"Line1", kLineLeft, kLineRight, kLineTop, 2, kLineGrey},
};
}  // namespace frmSplash

namespace frmAbout {
// The white line lies a pixel below the grey one, which gives the etched look.
inline constexpr SeparatorLine kLines[] = {
    {"Line1(1)", kGreyLine.left, kGreyLine.right, kGreyLine.top, 1, kLineGrey},
    {"Line1(0)", kWhiteLine.left, kWhiteLine.right, kWhiteLine.top, 2, kLineWhite},
};
}  // namespace frmAbout

}  // namespace tenebrix::forms
