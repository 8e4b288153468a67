// SPDX-License-Identifier: GPL-3.0-or-later
// The About box, frmAbout: modal over the game window, the program's name,
// version and owner's texts, OK and System Info.
#pragma once

#include "OwnerTexts.h"
#include "Twips.h"

namespace tenebrix::forms::frmAbout {

inline constexpr const char* kName = "frmAbout";
inline constexpr const char* kCaption = "About Tenebrix";
inline constexpr int kWidth = 5655;
inline constexpr int kHeight = 2850;

// The picture box, sized to its 28-pixel picture inside a sunken border.
inline constexpr const char* kIconName = "picIcon";
inline constexpr int kIconLeft = 240;
inline constexpr int kIconTop = 240;
inline constexpr int kIconPicturePixels = 28;

struct Label {
    const char* name;
    const char* caption;
    TwipRect place;
    bool bold;      // the bold caption font, else the form's font
    bool wordWrap;  // wraps and sits at the top left
};

// The title and the version line are written when the box loads.
inline constexpr const char* kTitle = "Tenebrix";
inline constexpr Label lblTitle{"lblTitle", kTitle, {1050, 240, 3885, 240}, true, false};
inline constexpr Label lblVersion{"lblVersion", "", {1050, 480, 3885, 225}, false, false};
inline constexpr Label lblDescription{
    "lblDescription", kCopyrightLine, {1050, 840, 3885, 210}, false, false};
inline constexpr Label Label1{"Label1", kWebAddress, {1080, 1080, 3975, 255}, false, false};
inline constexpr Label lblDisclaimer{
    "lblDisclaimer", kLegalNotice, {255, 1545, 3870, 1185}, false, true};
inline constexpr Label kLabels[] = {lblTitle, lblVersion, lblDescription, Label1, lblDisclaimer};

// An etched separator: a grey line with a white one a pixel below it.
struct Line {
    int left, right, top;
};
inline constexpr Line kGreyLine{225, 5450, 1350};
inline constexpr Line kWhiteLine{240, 5450, 1365};

struct Button {
    const char* name;
    const char* caption;
    TwipRect place;
};
// OK is both the default (Enter) and the cancel (Esc) button, first in the
// tab order.
inline constexpr Button cmdOK{"cmdOK", "OK", {4245, 1905, 1260, 345}};
inline constexpr Button cmdSysInfo{"cmdSysInfo", "&System Info...", {4260, 2355, 1245, 345}};

}  // namespace tenebrix::forms::frmAbout
