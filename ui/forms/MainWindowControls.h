// SPDX-License-Identifier: GPL-3.0-or-later
// Every control of the game window, frmMain, front to back: the board, the
// buttons, the settings frame and what it holds, the tile numbers, the two
// hidden values and the status bar. Places in twips, relative to the
// window's client area or, for the frame's contents, to the frame.
#pragma once

#include <array>

#include "Board.h"
#include "Control.h"
#include "Settings.h"
#include "Translate.h"

namespace tenebrix::forms::frmMain {

// The board: a 5 x 5 grid at a pitch of 750, with 205 of bare window between
// neighbours so the pointer crosses the window on its way to the next tile.
inline constexpr int kBoardOrigin = 150;
inline constexpr int kTilePitch = 750;
inline constexpr int kTileSize = 545;

constexpr TwipRect tilePlace(int n) {
    return {kBoardOrigin + kTilePitch * ((n - 1) % 5), kBoardOrigin + kTilePitch * ((n - 1) / 5),
            kTileSize, kTileSize};
}
// Tucked 20 twips under its tile, which covers that strip.
constexpr TwipRect tileNumberPlace(int n) {
    return {tilePlace(n).left, tilePlace(n).top + 525, 540, 165};
}

inline constexpr const char* kFrame1 = "Frame1";

namespace rows {

constexpr Control tile(int n) {
    return {.name = "picTile",
            .index = n,
            .kind = ControlKind::PictureBox,
            .place = tilePlace(n),
            .border = Border::Sunken,
            .tabStop = true,
            .boardTile = true};
}

constexpr Control tileNumber(int n) {
    // Blank until the game writes the tile's number.
    return {.name = "lblTileNumbers",
            .index = n,
            .kind = ControlKind::Label,
            .place = tileNumberPlace(n),
            .caption = " ",
            .align = TextAlign::Centre,
            .visible = false};
}

// Each button does what its File menu item does.
constexpr Control button(const char* name, TwipRect place, const char* caption,
                         MenuCommand command) {
    return {.name = name,
            .kind = ControlKind::Button,
            .place = place,
            .caption = caption,
            .tabStop = true,
            .command = command};
}

// The frame's captions; the game writes the mode's, the level's and the
// counter's before the window is first shown.
constexpr Control frameLabel(const char* name, TwipRect place, const char* caption, TextAlign align,
                             Font font) {
    return {.name = name,
            .kind = ControlKind::Label,
            .place = place,
            .container = kFrame1,
            .caption = caption,
            .align = align,
            .font = font};
}

// One step per arrow click and per click in the track (ScrollStepping.h).
// A screen reader names each bar after its setting, since the caption above
// it shows only the value.
constexpr Control scrollBar(const char* name, TwipRect place, int minimum, int maximum,
                            const char* setting, const char* shows) {
    return {.name = name,
            .kind = ControlKind::ScrollBar,
            .place = place,
            .container = kFrame1,
            .tabStop = true,
            .minimum = minimum,
            .maximum = maximum,
            .accessibleName = setting,
            .shows = shows};
}

constexpr Control sampleBox(const char* name, TwipRect place) {
    return {.name = name,
            .kind = ControlKind::PictureBox,
            .place = place,
            .container = kFrame1,
            .border = Border::Sunken};
}

// All nine diagrams share one spot, diagram 4's box taller than the others;
// the game shows one at a time.
constexpr Control modeDiagram(int k) {
    return {.name = "picMode",
            .index = k,
            .kind = ControlKind::PictureBox,
            .place = {975, 1500, 855, k == 4 ? 930 : 855},
            .container = kFrame1,
            .visible = k == kMinMode,
            .picture = StartPicture::ModeDiagram};
}

constexpr Control hiddenValue(const char* name, TwipRect place) {
    return {
        .name = name, .kind = ControlKind::Label, .place = place, .caption = "0", .visible = false};
}

}  // namespace rows

// The tiles and their numbers, three buttons, the frame with ten controls
// and the nine diagrams in it, two hidden values and the status bar.
inline constexpr int kControlCount =
    2 * kTileCount + 3 + 1 + 10 + (kMaxMode - kMinMode + 1) + 2 + 1;

// Front to back. Each tile covers the top strip of its number; the frame's
// contents lie above the frame; each scroll bar lies above the foot of the
// caption over it.
inline constexpr std::array<Control, kControlCount> kControls = [] {
    std::array<Control, kControlCount> table{};
    std::size_t row = 0;
    for (int n = 1; n <= kTileCount; ++n) table[row++] = rows::tile(n);
    // TRANSLATORS: the buttons under the board. '&' marks the access key
    // (Alt + that letter presses the button). The game window's three buttons
    // and its three menu titles (File, View, Help) must not share a letter,
    // except that English's Hint and Help share H (the button wins). Fits in
    // about 11 characters: the button is 71 pixels wide at 8 points.
    table[row++] =
        rows::button("cmdHint", {150, 3900, 1065, 540}, NC_("button", "&Hint"), MenuCommand::Hint);
    // TRANSLATORS: a button under the board; fits in about 12 characters (76 pixels).
    table[row++] = rows::button("cmdNewPuzzle", {1350, 3900, 1140, 540},
                                NC_("button", "&New Puzzle"), MenuCommand::NewPuzzle);
    // TRANSLATORS: a button under the board: puts the puzzle back as it was
    // dealt; fits in about 11 characters (71 pixels).
    table[row++] = rows::button("cmdReset", {2625, 3900, 1065, 540}, NC_("button", "&Reset Puzzle"),
                                MenuCommand::ResetPuzzle);
    table[row++] = rows::sampleBox("PicOn", {675, 300, 545, 545});
    table[row++] = rows::sampleBox("picOff", {1425, 300, 545, 545});
    table[row++] = rows::frameLabel("lblTileSet", {375, 900, 1815, 225}, "Default",
                                    TextAlign::Centre, kFormFont);
    // TRANSLATORS: what a screen reader calls the scroll bar that chooses
    // the tile set (the pair of pictures for lit and dark tiles).
    table[row++] = rows::scrollBar("ScrollTileSet", {375, 1125, 1890, 240}, kMinTileSet,
                                   kMaxTileSet, NC_("scroll bar", "Tile set"), "lblTileSet");
    for (int k = kMinMode; k <= kMaxMode; ++k) table[row++] = rows::modeDiagram(k);
    // TRANSLATORS: what a screen reader calls the scroll bar that chooses the mode.
    table[row++] = rows::scrollBar("ScrollMode", {375, 2625, 1890, 240}, kMinMode, kMaxMode,
                                   NC_("scroll bar", "Mode"), "lblMode");
    table[row++] = rows::frameLabel("lblMode", {375, 2400, 1890, 255}, "lblMode", TextAlign::Centre,
                                    kBoldCaptionFont);
    // TRANSLATORS: what a screen reader calls the scroll bar that chooses the level.
    table[row++] = rows::scrollBar("ScrollLevel", {375, 3375, 1890, 240}, kMinLevel, kMaxLevel,
                                   NC_("scroll bar", "Level"), "lblLevel");
    table[row++] = rows::frameLabel("lblLevel", {375, 3075, 1890, 255}, "lblLevel",
                                    TextAlign::Centre, kBoldCaptionFont);
    // "Moves:" is right-aligned so that it ends where the counter's digits begin.
    // TRANSLATORS: the label before the move counter, right-aligned, bold;
    // fits in about 9 characters (71 pixels at 9.75 points bold).
    table[row++] = rows::frameLabel("lblMovesLabel", {525, 3900, 1065, 390}, N_("Moves:"),
                                    TextAlign::Right, kBoldCaptionFont);
    table[row++] = rows::frameLabel("lblMoves", {1650, 3900, 465, 315}, "0", TextAlign::Left,
                                    kBoldCaptionFont);
    table[row++] = {.name = kFrame1,
                    .kind = ControlKind::Frame,
                    .place = {3900, 75, 2715, 4365},
                    // TRANSLATORS: the frame around the settings beside the
                    // board; up to about 28 characters.
                    .caption = N_("Puzzle Settings")};
    for (int n = 1; n <= kTileCount; ++n) table[row++] = rows::tileNumber(n);
    // The current and start values, kept where the player never sees them.
    table[row++] = rows::hiddenValue("lblPuzState", {75, 3825, 1290, 240});
    table[row++] = rows::hiddenValue("lblPuzValue", {1275, 3825, 1290, 240});
    // Docked along the bottom edge, the full width of the window.
    table[row++] = {
        .name = "sbStatusBar", .kind = ControlKind::StatusBar, .place = {0, 4650, 6795, 270}};
    if (row != table.size()) throw "kControlCount does not match the rows";
    return table;
}();

// The control called `name` (and `index`); the table must hold it.
constexpr const Control& control(std::string_view name, int index = kNoIndex) {
    return *findControl(kControls, name, index);
}

}  // namespace tenebrix::forms::frmMain
