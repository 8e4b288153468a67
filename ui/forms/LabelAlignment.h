// SPDX-License-Identifier: GPL-3.0-or-later
// How the main window's labels line their captions up: the settings frame's
// captions and the tile numbers. Captions sit at the top of their labels.
#pragma once

#include "MainWindowForm.h"

namespace tenebrix::forms::frmMain {

enum class TextAlign { Left, Centre, Right };

// The tile numbers are centred under their tiles.
inline constexpr TextAlign kTileNumberAlign = TextAlign::Centre;

struct FrameLabelAlignment {
    const FrameLabel* label;
    TextAlign align;
};
// "Moves:" is right-aligned so that it ends where the counter's digits begin.
inline constexpr FrameLabelAlignment kFrameLabelAlignments[] = {
    {&lblTileSet, TextAlign::Centre}, {&lblMode, TextAlign::Centre},
    {&lblLevel, TextAlign::Centre},   {&lblMovesLabel, TextAlign::Right},
    {&lblMoves, TextAlign::Left},
};

// `label` is one of the frame's labels above itself, not a copy: it is
// found by its address.
constexpr TextAlign alignmentOf(const FrameLabel& label) {
    for (const FrameLabelAlignment& entry : kFrameLabelAlignments) {
        if (entry.label == &label) return entry.align;
    }
    return TextAlign::Left;
}

}  // namespace tenebrix::forms::frmMain
