// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's own colours that a form names (a value with the top bit set
// and the colour's number below), which every front end maps to its own.
#pragma once

#include "Colour.h"

namespace tenebrix::forms {

// System colour 5, the window's background.
inline constexpr Colour kWindowBackgroundColour = 0x80000005u;

}  // namespace tenebrix::forms
