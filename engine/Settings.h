// SPDX-License-Identifier: GPL-3.0-or-later
// The three puzzle settings and their ranges, the one place each range is
// written. Every start begins with the defaults; nothing is stored between runs.
#pragma once

namespace tenebrix {

inline constexpr int kMinMode = 1, kMaxMode = 9;
inline constexpr int kMinLevel = 2, kMaxLevel = 20;
inline constexpr int kMinTileSet = 1, kMaxTileSet = 8;

constexpr bool isMode(int mode) {
    return mode >= kMinMode && mode <= kMaxMode;
}
constexpr bool isTileSet(int tileSet) {
    return tileSet >= kMinTileSet && tileSet <= kMaxTileSet;
}

struct Settings {
    int mode = kMinMode;
    int level = kMinLevel;
    int tileSet = kMinTileSet;
};

}  // namespace tenebrix
