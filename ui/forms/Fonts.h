// SPDX-License-Identifier: GPL-3.0-or-later
// The fonts of the game window and the About box: the first family of the
// list that is installed, at the sizes the controls were laid out for.
#pragma once

namespace tenebrix::forms {

// Liberation Sans keeps the widths the controls were sized for: "Change all
// tiles to black" and "Reset Puzzle" still fit at 8 point. The narrow cut
// is the safety net should only it be installed.
inline constexpr const char* kFormFontFamilies[] = {"MS Sans Serif", "Liberation Sans",
                                                    "Liberation Sans Narrow", "Nimbus Sans Narrow"};

struct FontSize {
    double points;
    bool bold;
};
inline constexpr FontSize kFormFont{8.0, false};
inline constexpr FontSize kBoldCaptionFont{9.75, true};

}  // namespace tenebrix::forms
