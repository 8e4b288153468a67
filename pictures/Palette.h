// SPDX-License-Identifier: GPL-3.0-or-later
// The named colours the game's pictures are painted with.
#pragma once

#include "Image.h"

namespace tenebrix::pictures::palette {

inline constexpr Rgba transparent{0, 0, 0, 0};
inline constexpr Rgba black{0, 0, 0};
inline constexpr Rgba white{255, 255, 255};
inline constexpr Rgba grey{128, 128, 128};
inline constexpr Rgba silver{192, 192, 192};
// One step darker than silver: the logo's grid lines, deliberately not silver.
inline constexpr Rgba paleSilver{191, 191, 191};
inline constexpr Rgba yellow{255, 255, 0};
inline constexpr Rgba cyan{0, 255, 255};
inline constexpr Rgba teal{0, 128, 128};
inline constexpr Rgba magenta{255, 0, 255};
inline constexpr Rgba red{255, 0, 0};
inline constexpr Rgba blue{0, 0, 255};
inline constexpr Rgba purple{128, 0, 128};
inline constexpr Rgba green{0, 128, 0};

}  // namespace tenebrix::pictures::palette
