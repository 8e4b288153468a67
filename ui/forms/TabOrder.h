// SPDX-License-Identifier: GPL-3.0-or-later
// The order in which Tab visits the controls of each window, and which
// control has the focus when the window opens.
#pragma once

#include "AboutForm.h"
#include "MainWindowForm.h"
#include "MainWindowNames.h"

namespace tenebrix::forms {

namespace frmMain {
// The board is one stop, whichever tile the arrow keys last moved to; it
// comes first, so it is one Shift+Tab away from Hint, which opens in focus.
inline constexpr const char* kBoardStop = kTileName;
inline constexpr const char* kTabOrder[] = {kBoardStop,      cmdHint.name,       cmdNewPuzzle.name,
                                            cmdReset.name,   ScrollTileSet.name, ScrollMode.name,
                                            ScrollLevel.name};
inline constexpr const char* kFocusAtStart = cmdHint.name;
}  // namespace frmMain

namespace frmAbout {
inline constexpr const char* kTabOrder[] = {cmdOK.name, cmdSysInfo.name};
inline constexpr const char* kFocusAtStart = cmdOK.name;
}  // namespace frmAbout

}  // namespace tenebrix::forms
