// SPDX-License-Identifier: GPL-3.0-or-later
// Names of the windows' controls as the front ends give them, so tests and
// tools find each one by the name the game's documents use. A control that
// repeats is named like an array element: "picTile(7)".
#pragma once

#include <string>

namespace tenebrix::forms {

inline std::string arrayName(const char* name, int index) {
    return std::string(name) + "(" + std::to_string(index) + ")";
}

// What a screen reader says for a board tile: "Tile 7, lit".
inline std::string tileAccessibleName(int tile, bool lit) {
    return "Tile " + std::to_string(tile) + (lit ? ", lit" : ", dark");
}

}  // namespace tenebrix::forms
