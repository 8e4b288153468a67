// SPDX-License-Identifier: GPL-3.0-or-later
// Names of the main window's controls whose form entry gives only a place:
// the board's arrays, the tile set's sample boxes, the mode diagrams and the
// status bar's panels. An array's element is named "picTile(7)".
#pragma once

#include "MainWindowForm.h"

namespace tenebrix::forms::frmMain {

inline constexpr const char* kTileName = "picTile";               // 1 to 25
inline constexpr const char* kTileNumberName = "lblTileNumbers";  // 1 to 25
inline constexpr const char* kPicOnName = "PicOn";
inline constexpr const char* kPicOffName = "picOff";
inline constexpr const char* kModeDiagramName = "picMode";  // 1 to 9

}  // namespace tenebrix::forms::frmMain
