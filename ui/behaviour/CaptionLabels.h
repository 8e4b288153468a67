// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's label each of the game's captions is written into: the
// move counter, the level and mode lines, and the two hidden labels that
// keep the board's value as number text.
#pragma once

#include "Display.h"
#include "MainWindowControls.h"

namespace tenebrix::ui {

constexpr const forms::Control& labelOf(Caption caption) {
    using forms::frmMain::control;
    switch (caption) {
        case Caption::PuzState:
            return control("lblPuzState");
        case Caption::PuzValue:
            return control("lblPuzValue");
        case Caption::Moves:
            return control("lblMoves");
        case Caption::Level:
            return control("lblLevel");
        case Caption::Mode:
            return control("lblMode");
    }
    return control("lblMoves");
}

}  // namespace tenebrix::ui
