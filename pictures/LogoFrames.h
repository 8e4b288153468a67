// SPDX-License-Identifier: GPL-3.0-or-later
// The splash screen's logo: a small 5 x 5 board solved in five mode-1 moves,
// one frame per board.
#pragma once

#include "Board.h"
#include "Image.h"

namespace tenebrix::pictures {

inline constexpr int kLogoFrameCount = 6;
inline constexpr int kLogoFrameSize = 121;

constexpr bool isLogoFrame(int frame) {
    return frame >= 0 && frame < kLogoFrameCount;
}

// The board frame 0..5 shows; 0 for any other frame. Every frame after the
// first is played from the one before with the engine's own moves.
PuzzleValue logoFrameValue(int frame);

// Frame 0..5 of the animation; empty for any other frame.
Image logoFrame(int frame, int scale = 1);

}  // namespace tenebrix::pictures
