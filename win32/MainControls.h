// SPDX-License-Identifier: GPL-3.0-or-later
// The identifiers of the main window's controls and commands, by which the
// window, its menus and the tests reach each one.
#pragma once

#include "MainMenuForm.h"

namespace tenebrix::win32 {

// Arrays take their index on top of their base: picTile(7) is kTileBase + 7.
inline constexpr int kTileBase = 1000;
inline constexpr int kTileNumberBase = 1100;
inline constexpr int kModeDiagramBase = 1200;

enum ControlId : int {
    kCmdHint = 1300,
    kCmdNewPuzzle,
    kCmdReset,
    kFrame1,
    kPicOn,
    kPicOff,
    kLblTileSet,
    kScrollTileSet,
    kLblMode,
    kScrollMode,
    kLblLevel,
    kScrollLevel,
    kLblMovesLabel,
    kLblMoves,
    kLblPuzState,
    kLblPuzValue,
    kStatusBar,
};

// Menu items: the base plus the command.
inline constexpr int kMenuBase = 2000;
constexpr int menuId(forms::MenuCommand command) {
    return kMenuBase + static_cast<int>(command);
}

// The status bar's clock: one wake-up when the minute changes.
inline constexpr UINT_PTR kClockTimer = 1;

}  // namespace tenebrix::win32
