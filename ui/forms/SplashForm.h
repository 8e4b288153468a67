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

}  // namespace tenebrix::forms::frmSplash
