// SPDX-License-Identifier: GPL-3.0-or-later
// The About box, frmAbout, as a whole: modal over the game window, the
// program's name, version and owner's texts, OK and System Info. Its
// controls are in AboutControls.h.
#pragma once

#include "AboutControls.h"
#include "Translate.h"
#include "Twips.h"

namespace tenebrix::forms::frmAbout {

inline constexpr const char* kName = "frmAbout";
// TRANSLATORS: the title of the About box.
inline constexpr const char* kCaption = N_("About Tenebrix");
inline constexpr int kWidth = 5655;
inline constexpr int kHeight = 2850;
// The title line, written when the box loads.
inline constexpr const char* kTitle = "Tenebrix";

// --- The controls by name, as the front ends used them before they walked
// --- the control table. Derived from the table; going once every front end
// --- makes its controls from the table.

inline constexpr const char* kIconName = "picIcon";
inline constexpr int kIconLeft = control(kIconName).place.left;
inline constexpr int kIconTop = control(kIconName).place.top;

struct Label {
    const char* name;
    const char* caption;
    TwipRect place;
    bool bold;
    bool wordWrap;
};
constexpr Label asLabel(const Control& c) {
    return {c.name, c.caption, c.place, c.font.bold, c.wordWrap};
}
inline constexpr Label lblTitle = asLabel(control("lblTitle"));
inline constexpr Label lblVersion = asLabel(control("lblVersion"));
inline constexpr Label lblDescription = asLabel(control("lblDescription"));
inline constexpr Label Label1 = asLabel(control("Label1"));
inline constexpr Label lblDisclaimer = asLabel(control("lblDisclaimer"));
inline constexpr Label kLabels[] = {lblTitle, lblVersion, lblDescription, Label1, lblDisclaimer};

struct Line {
    int left, right, top;
};
constexpr Line asLine(const Control& c) {
    return {c.place.left, c.place.right(), c.place.top};
}
inline constexpr Line kGreyLine = asLine(control("Line1", 1));
inline constexpr Line kWhiteLine = asLine(control("Line1", 0));

struct Button {
    const char* name;
    const char* caption;
    TwipRect place;
};
constexpr Button asButton(const Control& c) {
    return {c.name, c.caption, c.place};
}
inline constexpr Button cmdOK = asButton(control("cmdOK"));
inline constexpr Button cmdSysInfo = asButton(control("cmdSysInfo"));

}  // namespace tenebrix::forms::frmAbout
