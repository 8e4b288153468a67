// SPDX-License-Identifier: GPL-3.0-or-later
// Every control of the splash screen, frmSplash, front to back. One frame
// fills the window and holds the rest; places in twips within that frame.
#pragma once

#include <array>

#include "Colour.h"
#include "Control.h"
#include "OwnerTexts.h"
#include "SystemColours.h"
#include "Translate.h"

namespace tenebrix::forms::frmSplash {

inline constexpr const char* kFrameName = "fraMainFrame";
inline constexpr int kLogoFrames = 6;
// The logo boxes are sized to their picture inside a sunken border.
inline constexpr int kLogoPicturePixels = 121;

namespace rows {

constexpr Control logo(int k) {
    return {.name = "picLogo",
            .index = k,
            .kind = ControlKind::PictureBox,
            .place = {375, 600, 1875, 1875},
            .container = kFrameName,
            .visible = k == 0,
            .border = Border::Sunken,
            .picture = StartPicture::LogoFrame,
            .picturePixels = kLogoPicturePixels};
}

constexpr Control label(const char* name, TwipRect place, const char* caption, double points,
                        bool bold) {
    return {.name = name,
            .kind = ControlKind::Label,
            .place = place,
            .container = kFrameName,
            .caption = caption,
            .font = {FontFace::Splash, points, bold}};
}

// A line across the frame: `top` is its upper edge, `pixels` its thickness
// downwards from there.
constexpr Control line(const char* name, Colour colour, int pixels) {
    return {.name = name,
            .kind = ControlKind::Line,
            .place = {360, 2640, 7320 - 360, 0},
            .container = kFrameName,
            .lineColour = colour,
            .linePixels = pixels};
}

}  // namespace rows

inline constexpr int kControlCount = kLogoFrames + 5 + 2 + 2;

inline constexpr std::array<Control, kControlCount> kControls = [] {
    std::array<Control, kControlCount> table{};
    std::size_t row = 0;
    for (int k = 0; k < kLogoFrames; ++k) table[row++] = rows::logo(k);
    Control name =
        rows::label("lblProductName", {2520, 480, 4155, 765}, "Tenebrix 1.01", 32.25, true);
    name.growsToText = true;
    table[row++] = name;
    Control platform =
        // TRANSLATORS: the splash screen, under the game's name: which system
        // the game is for (a nod to its origins; keep "Windows '95").
        rows::label("lblPlatform", {2520, 1200, 2415, 360}, N_("for Windows '95"), 15.75, true);
    platform.align = TextAlign::Right;
    platform.growsToText = true;
    table[row++] = platform;
    table[row++] =
        rows::label("lblCopyright", {2520, 1800, 3015, 255}, kCopyrightLine, 8.25, false);
    // The web address is plain text, not a link.
    table[row++] = rows::label("lblCompany", {2520, 2040, 3015, 255}, kWebAddress, 8.25, false);
    // Both lines start on the same row: a 1-pixel line in the window's
    // colour lies over the top of a 2-pixel grey line, so the grey shows as
    // a thin line beneath it.
    table[row++] = rows::line("Line2", kWindowBackgroundColour, 1);
    table[row++] = rows::line("Line1", rgb(128, 128, 128), 2);
    Control warning = rows::label("lblWarning", {480, 2760, 5895, 855}, kLegalNotice, 8.25, false);
    warning.wordWrap = true;
    table[row++] = warning;
    table[row++] = {.name = kFrameName, .kind = ControlKind::Frame, .place = {45, 0, 7650, 3720}};
    // Ticks every 500 ms from the moment the window is made (SplashTimeline.h).
    table[row++] = {.name = "Timer1", .kind = ControlKind::Timer};
    if (row != table.size()) throw "kControlCount does not match the rows";
    return table;
}();

constexpr const Control& control(std::string_view name, int index = kNoIndex) {
    return *findControl(kControls, name, index);
}

}  // namespace tenebrix::forms::frmSplash
