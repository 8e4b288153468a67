// SPDX-License-Identifier: GPL-3.0-or-later
// Every control of the About box, frmAbout, front to back; places in twips
// within the box's client area.
#pragma once

#include <array>

#include "Colour.h"
#include "Control.h"
#include "OwnerTexts.h"
#include "Translate.h"

namespace tenebrix::forms::frmAbout {

// The program picture's box is sized to its 28-pixel picture inside a sunken border.
inline constexpr int kIconPicturePixels = 28;

namespace rows {

constexpr Control label(const char* name, TwipRect place, const char* caption) {
    return {.name = name, .kind = ControlKind::Label, .place = place, .caption = caption};
}

// A line from place.left to place.right() whose upper edge is place.top.
constexpr Control line(const char* name, int index, TwipRect place, Colour colour, int pixels) {
    return {.name = name,
            .index = index,
            .kind = ControlKind::Line,
            .place = place,
            .lineColour = colour,
            .linePixels = pixels};
}

}  // namespace rows

inline constexpr int kControlCount = 1 + 5 + 2 + 2;

inline constexpr std::array<Control, kControlCount> kControls = [] {
    std::array<Control, kControlCount> table{};
    std::size_t row = 0;
    // OK is both the default (Enter) and the cancel (Esc) button, and the
    // first stop in the tab order.
    table[row++] = {.name = "cmdOK",
                    .kind = ControlKind::Button,
                    .place = {4245, 1905, 1260, 345},
                    // TRANSLATORS: the About box's button that closes it.
                    .caption = NC_("button", "OK"),
                    .tabStop = true,
                    .isDefault = true,
                    .isCancel = true};
    table[row++] = {.name = "cmdSysInfo",
                    .kind = ControlKind::Button,
                    .place = {4260, 2355, 1245, 345},
                    // TRANSLATORS: the About box's button that starts the
                    // system's information tool; '&' marks the access key.
                    // Fits in about 13 characters (83 pixels).
                    .caption = NC_("button", "&System Info..."),
                    .tabStop = true};
    table[row++] = {.name = "picIcon",
                    .kind = ControlKind::PictureBox,
                    .place = {240, 240, 480, 480},
                    .border = Border::Sunken,
                    .picture = StartPicture::AboutPicture,
                    .picturePixels = kIconPicturePixels};
    // The title and the version line are written when the box loads.
    Control title = rows::label("lblTitle", {1050, 240, 3885, 240}, "Tenebrix");
    title.font = kBoldCaptionFont;
    table[row++] = title;
    table[row++] = rows::label("lblVersion", {1050, 480, 3885, 225}, "");
    table[row++] = rows::label("lblDescription", {1050, 840, 3885, 210}, kCopyrightLine);
    table[row++] = rows::label("Label1", {1080, 1080, 3975, 255}, kWebAddress);
    // An etched separator: a grey line with a white one a pixel below it.
    table[row++] = rows::line("Line1", 0, {240, 1365, 5450 - 240, 0}, rgb(255, 255, 255), 2);
    table[row++] = rows::line("Line1", 1, {225, 1350, 5450 - 225, 0}, rgb(128, 128, 128), 1);
    Control disclaimer = rows::label("lblDisclaimer", {255, 1545, 3870, 1185}, kLegalNotice);
    disclaimer.wordWrap = true;
    table[row++] = disclaimer;
    if (row != table.size()) throw "kControlCount does not match the rows";
    return table;
}();

constexpr const Control& control(std::string_view name, int index = kNoIndex) {
    return *findControl(kControls, name, index);
}

}  // namespace tenebrix::forms::frmAbout
