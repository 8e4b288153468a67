// SPDX-License-Identifier: GPL-3.0-or-later
// The program icon and the About box's picture: a mode-1 move on a 3 x 3
// square of tiles, the pressed tile and its four neighbours lit.
#pragma once

#include "Image.h"

namespace tenebrix::pictures {

inline constexpr int kProgramIconSize = 32;
inline constexpr int kAboutPictureSize = 28;

// The icon, framed to look raised: black along the top and left, white along
// the bottom and right. No pixel is transparent.
Image programIcon(int scale = 1);

// The same design without the frame, its tiles between silver lines.
Image aboutPicture(int scale = 1);

}  // namespace tenebrix::pictures
