// SPDX-License-Identifier: GPL-3.0-or-later
// Where the game's help file "Tenebrix.hlp" is. The choice is made when the
// game is built (CMake cache variable TENEBRIX_HELP_FILE):
//   - a path: that file, wherever the game runs from;
//   - empty (the default): found beside the program, see helpFileBesideProgram;
//   - "<none>": no help file at all; "How to Play" then says there is no Help.
#pragma once

#include <QString>

#include "MainWindowForm.h"

namespace tenebrix::platform {

// The name the main window's form gives it.
inline constexpr const char* kHelpFileName = forms::frmMain::kHelpFileName;

// The help file as built in; empty for a build without one.
QString helpFilePath();

// The help file next to the program in `programDir` (the build tree keeps
// it there), else the one in the installed data folder relative to it
// (`relativeDataDir`, e.g. ../share/tenebrix). When neither exists the first
// is returned, so the viewer can say which file it missed.
QString helpFileBesideProgram(const QString& programDir, const QString& relativeDataDir);

}  // namespace tenebrix::platform
