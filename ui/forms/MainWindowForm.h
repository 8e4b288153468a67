// SPDX-License-Identifier: GPL-3.0-or-later
// The main window, frmMain, as a whole: its size, caption, status bar panels
// and the texts it shows of its own. Its controls are in MainWindowControls.h.
#pragma once

#include "MainWindowControls.h"
#include "Translate.h"
#include "Twips.h"

namespace tenebrix::forms::frmMain {

inline constexpr const char* kName = "frmMain";
// The window's caption, and the title of its own messages.
inline constexpr const char* kCaption = "Tenebrix";

// The client area below the menu bar, status bar included.
inline constexpr int kClientWidth = 6795;
inline constexpr int kClientHeight = 4920;

// The status bar along the bottom: a fixed text, then the date and the time,
// each panel at least an inch wide; the text panel takes what is left.
inline constexpr const char* kStatusPanelName = "Panels";
inline constexpr int kStatusPanelMinWidth = 1440;
// TRANSLATORS: the fixed text in the first panel of the status bar at the
// bottom of the window (at least 96 pixels wide).
inline constexpr const char* kStatusText = N_("Status Bar");
inline constexpr int kTextPanel = 1, kDatePanel = 2, kTimePanel = 3;

// Help > How to Play when the game was built without a help file.
// TRANSLATORS: shown by Help > How to Play in a build that has no help file.
inline constexpr const char* kNoHelpMessage =
    N_("Unable to display Help Contents. There is no Help associated with this project.");
inline constexpr const char* kHelpFileName = "Tenebrix.hlp";

// Where the window's placement is written on close, in twips; never read back.
inline constexpr const char* kSettingsApplication = "Tenebrix";
inline constexpr const char* kSettingsSection = "Settings";
inline constexpr const char* kPlacementKeys[4] = {"MainLeft", "MainTop", "MainWidth", "MainHeight"};

// Hint has the focus when the window opens.
inline constexpr const char* kFocusAtStart = "cmdHint";

inline constexpr const char* kStatusBarName = "sbStatusBar";
inline constexpr int kStatusBarHeight = 270;

}  // namespace tenebrix::forms::frmMain
