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

// The help file as built in, in the player's `language` ("de", as the
// catalogue's folder is named) where there is a page for it, else the
// English one; empty for a build without one. A translated page lies in a
// folder named after its language beside the English one ("de/Tenebrix.hlp").
QString helpFilePath(const QString& language = {});

// The help file next to the program in `programDir` (the build tree keeps
// it there, its translations in help/LANG/), else the one in the installed
// data folder relative to it (`relativeDataDir`, e.g. ../share/tenebrix,
// translations in LANG/). The page in `language` comes first where there is
// one. When no file exists the English one beside the program is returned,
// so the viewer can say which file it missed.
QString helpFileBesideProgram(const QString& programDir, const QString& relativeDataDir,
                              const QString& language = {});

}  // namespace tenebrix::platform
