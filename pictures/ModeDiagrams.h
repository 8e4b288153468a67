// SPDX-License-Identifier: GPL-3.0-or-later
// The mode diagrams of the settings panel: the 3 x 3 square around a pressed
// tile with the cells its move flips marked.
#pragma once

#include "Image.h"

namespace tenebrix::pictures {

inline constexpr int kModeDiagramSize = 55;

// Diagram of mode 1..9, drawn from the same pattern table as the moves, so it
// can never show a move other than the one played. Empty for any other mode.
Image modeDiagram(int mode, int scale = 1);

}  // namespace tenebrix::pictures
