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

// --- The controls by name, as the front ends used them before they walked
// --- the control table. Derived from the table; going once every front end
// --- makes its controls from the table.

constexpr TwipRect picTile(int n) {
    return tilePlace(n);
}
constexpr TwipRect lblTileNumbers(int n) {
    return tileNumberPlace(n);
}
inline constexpr const char* kTileNumberCaption = " ";

struct Button {
    const char* name;
    const char* caption;
    TwipRect place;
};
constexpr Button asButton(const Control& c) {
    return {c.name, c.caption, c.place};
}
inline constexpr Button cmdHint = asButton(control("cmdHint"));
inline constexpr Button cmdNewPuzzle = asButton(control("cmdNewPuzzle"));
inline constexpr Button cmdReset = asButton(control("cmdReset"));

struct HiddenLabel {
    const char* name;
    TwipRect place;
};
inline constexpr HiddenLabel lblPuzState{"lblPuzState", control("lblPuzState").place};
inline constexpr HiddenLabel lblPuzValue{"lblPuzValue", control("lblPuzValue").place};
inline constexpr const char* kHiddenLabelCaption = "0";

inline constexpr const char* kFrame1Name = kFrame1;
inline constexpr const char* kFrame1Caption = "Puzzle Settings";
inline constexpr TwipRect Frame1 = control(kFrame1).place;

inline constexpr TwipRect PicOn = control("PicOn").place;
inline constexpr TwipRect picOff = control("picOff").place;
constexpr TwipRect picMode(int k) {
    return control("picMode", k).place;
}

struct FrameLabel {
    const char* name;
    TwipRect place;
    const char* caption;
    bool bold;
};
constexpr FrameLabel asFrameLabel(const Control& c) {
    return {c.name, c.place, c.caption, c.font.bold};
}
inline constexpr FrameLabel lblTileSet = asFrameLabel(control("lblTileSet"));
inline constexpr FrameLabel lblMode = asFrameLabel(control("lblMode"));
inline constexpr FrameLabel lblLevel = asFrameLabel(control("lblLevel"));
inline constexpr FrameLabel lblMovesLabel = asFrameLabel(control("lblMovesLabel"));
inline constexpr FrameLabel lblMoves = asFrameLabel(control("lblMoves"));

struct ScrollBar {
    const char* name;
    TwipRect place;
    const char* setting;
};
constexpr ScrollBar asScrollBar(const Control& c) {
    return {c.name, c.place, c.accessibleName};
}
inline constexpr ScrollBar ScrollTileSet = asScrollBar(control("ScrollTileSet"));
inline constexpr ScrollBar ScrollMode = asScrollBar(control("ScrollMode"));
inline constexpr ScrollBar ScrollLevel = asScrollBar(control("ScrollLevel"));
inline constexpr int kScrollSmallChange = 1;
inline constexpr int kScrollLargeChange = 1;

inline constexpr const char* kStatusBarName = "sbStatusBar";
inline constexpr int kStatusBarHeight = 270;

}  // namespace tenebrix::forms::frmMain
