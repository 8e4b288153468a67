// SPDX-License-Identifier: GPL-3.0-or-later
// The splash screen, frmSplash: a borderless window centred on the screen,
// the product's name and a small logo animation, one frame every half second.
#pragma once

#include "OwnerTexts.h"
#include "Twips.h"

namespace tenebrix::forms::frmSplash {

inline constexpr const char* kName = "frmSplash";
inline constexpr const char* kCaption = "Tenebrix";
inline constexpr int kWidth = 7725;
inline constexpr int kHeight = 3780;

inline constexpr const char* kFrameName = "fraMainFrame";
inline constexpr TwipRect fraMainFrame{45, 0, 7650, 3720};

// The timer ticks every 500 ms. Frame 0 shows from the start; ticks 1 to 5
// step to frames 1 to 5; the seventh tick (number 6) shows the game window
// and then closes the splash, about 3.5 seconds after start.
inline constexpr const char* kTimerName = "Timer1";
inline constexpr int kTickMilliseconds = 500;
inline constexpr int kLogoFrames = 6;
inline constexpr int kHandOverTick = 6;

// The logo boxes, picLogo(0..5), share one place in the frame: sized to the
// 121-pixel picture inside a sunken border.
inline constexpr const char* kLogoName = "picLogo";
inline constexpr int kLogoLeft = 375;
inline constexpr int kLogoTop = 600;
inline constexpr int kLogoPicturePixels = 121;

// The splash's own font family, in order of preference: the texts need the
// room they were laid out for.
inline constexpr const char* kFontFamilies[] = {"Arial", "Liberation Sans", "Arimo"};

enum class Align { Left, Right };

struct Label {
    const char* name;
    const char* caption;
    TwipRect place;
    double points;
    bool bold;
    Align align;
    bool growsToText;  // keeps its left edge and grows to fit its caption
    bool wordWrap;
};

inline constexpr Label lblProductName{"lblProductName",
                                      "Tenebrix 1.01",
                                      {2520, 480, 4155, 765},
                                      32.25,
                                      true,
                                      Align::Left,
                                      true,
                                      false};
inline constexpr Label lblPlatform{
    "lblPlatform", "for Windows '95", {2520, 1200, 2415, 360}, 15.75, true, Align::Right, true,
    false};
inline constexpr Label lblCopyright{"lblCopyright", kCopyrightLine, {2520, 1800, 3015, 255},
                                    8.25,           false,          Align::Left,
                                    false,          false};
// The web address is plain text, not a link.
inline constexpr Label lblCompany{
    "lblCompany", kWebAddress, {2520, 2040, 3015, 255}, 8.25, false, Align::Left, false, false};
inline constexpr Label lblWarning{
    "lblWarning", kLegalNotice, {480, 2760, 5895, 855}, 8.25, false, Align::Left, false, true};
inline constexpr Label kLabels[] = {lblProductName, lblPlatform, lblCopyright, lblCompany,
                                    lblWarning};

// A line across the frame: a 1-pixel line in the window's colour (Line2),
// drawn first, and a 2-pixel grey line (Line1) over it, so the grey shows
// whole. SeparatorLines.h gives each line's width, colour and order.
inline constexpr int kLineLeft = 360;
inline constexpr int kLineRight = 7320;
inline constexpr int kLineTop = 2640;

}  // namespace tenebrix::forms::frmSplash
