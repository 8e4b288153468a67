// SPDX-License-Identifier: GPL-3.0-or-later
// The main window, frmMain: where every control sits, in twips relative to
// its container (the window's client area, or the settings frame for its
// contents), and the captions and texts the window shows of its own.
#pragma once

#include "Twips.h"

namespace tenebrix::forms::frmMain {

inline constexpr const char* kName = "frmMain";
// The window's caption, and the title of its own messages.
inline constexpr const char* kCaption = "Tenebrix";

// The client area below the menu bar, status bar included.
inline constexpr int kClientWidth = 6795;
inline constexpr int kClientHeight = 4920;

// The board: a 5 x 5 grid at a pitch of 750, with 205 of bare window between
// neighbours so the pointer crosses the window on its way to the next tile.
inline constexpr int kBoardOrigin = 150;
inline constexpr int kTilePitch = 750;
inline constexpr int kTileSize = 545;

constexpr TwipRect picTile(int n) {
    return {kBoardOrigin + kTilePitch * ((n - 1) % 5), kBoardOrigin + kTilePitch * ((n - 1) / 5),
            kTileSize, kTileSize};
}
// Tucked 20 twips under its tile, which covers that strip.
constexpr TwipRect lblTileNumbers(int n) {
    return {picTile(n).left, picTile(n).top + 525, 540, 165};
}
// Blank until the game writes the tile's number.
inline constexpr const char* kTileNumberCaption = " ";

// The three buttons, left to right; each does what its File menu item does.
struct Button {
    const char* name;
    const char* caption;  // '&' marks the access key
    TwipRect place;
};
inline constexpr Button cmdHint{"cmdHint", "&Hint", {150, 3900, 1065, 540}};
inline constexpr Button cmdNewPuzzle{"cmdNewPuzzle", "&New Puzzle", {1350, 3900, 1140, 540}};
inline constexpr Button cmdReset{"cmdReset", "&Reset Puzzle", {2625, 3900, 1065, 540}};

// The current and start values, kept where the player never sees them.
struct HiddenLabel {
    const char* name;
    TwipRect place;
};
inline constexpr HiddenLabel lblPuzState{"lblPuzState", {75, 3825, 1290, 240}};
inline constexpr HiddenLabel lblPuzValue{"lblPuzValue", {1275, 3825, 1290, 240}};
inline constexpr const char* kHiddenLabelCaption = "0";

// The settings frame and what it holds, placed within the frame.
inline constexpr const char* kFrame1Name = "Frame1";
inline constexpr const char* kFrame1Caption = "Puzzle Settings";
inline constexpr TwipRect Frame1{3900, 75, 2715, 4365};

inline constexpr TwipRect PicOn{675, 300, 545, 545};
inline constexpr TwipRect picOff{1425, 300, 545, 545};
// Diagram 4's box is taller than the others; all nine share one spot.
constexpr TwipRect picMode(int k) {
    return {975, 1500, 855, k == 4 ? 930 : 855};
}

// A caption of the frame: its place, its caption before the game writes one,
// and whether it is in the bold caption font.
struct FrameLabel {
    const char* name;
    TwipRect place;
    const char* caption;
    bool bold;
};
inline constexpr FrameLabel lblTileSet{"lblTileSet", {375, 900, 1815, 225}, "Default", false};
inline constexpr FrameLabel lblMode{"lblMode", {375, 2400, 1890, 255}, "lblMode", true};
inline constexpr FrameLabel lblLevel{"lblLevel", {375, 3075, 1890, 255}, "lblLevel", true};
// "Moves:" right-aligned beside the counter's left-aligned digits.
inline constexpr FrameLabel lblMovesLabel{"lblMovesLabel", {525, 3900, 1065, 390}, "Moves:", true};
inline constexpr FrameLabel lblMoves{"lblMoves", {1650, 3900, 465, 315}, "0", true};

// A scroll bar of the frame. One step per arrow click and per click in the
// track; the range comes from the game's settings. `setting` is the name a
// screen reader gives the bar, since the caption above it shows only the value.
struct ScrollBar {
    const char* name;
    TwipRect place;
    const char* setting;
};
inline constexpr ScrollBar ScrollTileSet{"ScrollTileSet", {375, 1125, 1890, 240}, "Tile set"};
inline constexpr ScrollBar ScrollMode{"ScrollMode", {375, 2625, 1890, 240}, "Mode"};
inline constexpr ScrollBar ScrollLevel{"ScrollLevel", {375, 3375, 1890, 240}, "Level"};
inline constexpr int kScrollSmallChange = 1;
inline constexpr int kScrollLargeChange = 1;

// The status bar along the bottom: a fixed text, then the date and the time,
// each panel at least an inch wide; the text panel takes what is left.
inline constexpr const char* kStatusBarName = "sbStatusBar";
inline constexpr int kStatusBarHeight = 270;
inline constexpr int kStatusPanelMinWidth = 1440;
inline constexpr const char* kStatusText = "Status Bar";
inline constexpr int kTextPanel = 1, kDatePanel = 2, kTimePanel = 3;

// Help > How to Play when the game was built without a help file.
inline constexpr const char* kNoHelpMessage =
    "Unable to display Help Contents. There is no Help associated with this project.";
inline constexpr const char* kHelpFileName = "Tenebrix.hlp";

// Where the window's placement is written on close, in twips; never read back.
inline constexpr const char* kSettingsApplication = "Tenebrix";
inline constexpr const char* kSettingsSection = "Settings";
inline constexpr const char* kPlacementKeys[4] = {"MainLeft", "MainTop", "MainWidth", "MainHeight"};

}  // namespace tenebrix::forms::frmMain
