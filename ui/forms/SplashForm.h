// SPDX-License-Identifier: GPL-3.0-or-later
// The splash screen, frmSplash, as a whole: a borderless window centred on
// the screen, the product's name and a small logo animation, one frame
// every half second. Its controls are in SplashControls.h, its timeline in
// SplashTimeline.h.
#pragma once

#include "SplashControls.h"
#include "Twips.h"

namespace tenebrix::forms::frmSplash {

inline constexpr const char* kName = "frmSplash";
inline constexpr const char* kCaption = "Tenebrix";
inline constexpr int kWidth = 7725;
inline constexpr int kHeight = 3780;

// --- The controls by name, as the front ends used them before they walked
// --- the control table. Derived from the table; going once every front end
// --- makes its controls from the table.

inline constexpr TwipRect fraMainFrame = control(kFrameName).place;
inline constexpr const char* kTimerName = "Timer1";
inline constexpr int kTickMilliseconds = 500;
inline constexpr int kHandOverTick = 6;
inline constexpr const char* kLogoName = "picLogo";
inline constexpr int kLogoLeft = control("picLogo", 0).place.left;
inline constexpr int kLogoTop = control("picLogo", 0).place.top;
inline constexpr auto& kFontFamilies = kSplashFontFamilies;

enum class Align { Left, Right };

struct Label {
    const char* name;
    const char* caption;
    TwipRect place;
    double points;
    bool bold;
    Align align;
    bool growsToText;
    bool wordWrap;
};
constexpr Label asLabel(const Control& c) {
    return {c.name,        c.caption,   c.place,
            c.font.points, c.font.bold, c.align == TextAlign::Right ? Align::Right : Align::Left,
            c.growsToText, c.wordWrap};
}
inline constexpr Label lblProductName = asLabel(control("lblProductName"));
inline constexpr Label lblPlatform = asLabel(control("lblPlatform"));
inline constexpr Label lblCopyright = asLabel(control("lblCopyright"));
inline constexpr Label lblCompany = asLabel(control("lblCompany"));
inline constexpr Label lblWarning = asLabel(control("lblWarning"));
inline constexpr Label kLabels[] = {lblProductName, lblPlatform, lblCopyright, lblCompany,
                                    lblWarning};

inline constexpr int kLineLeft = control("Line1").place.left;
inline constexpr int kLineRight = control("Line1").place.right();
inline constexpr int kLineTop = control("Line1").place.top;

}  // namespace tenebrix::forms::frmSplash
