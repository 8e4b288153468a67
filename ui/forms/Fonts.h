// SPDX-License-Identifier: GPL-3.0-or-later
// The fonts of the game's windows: each caption is set in the first family
// of its list that is installed, at the size its control was laid out for.
#pragma once

namespace tenebrix::forms {

// Liberation Sans keeps the widths the controls were sized for: "Change all
// tiles to black" and "Reset Puzzle" still fit at 8 point. The narrow cut
// is the safety net should only it be installed.
inline constexpr const char* kFormFontFamilies[] = {"MS Sans Serif", "Liberation Sans",
                                                    "Liberation Sans Narrow", "Nimbus Sans Narrow"};
// The splash screen's own family: its texts need the room they were laid
// out for.
inline constexpr const char* kSplashFontFamilies[] = {"Arial", "Liberation Sans", "Arimo"};

// Which of the two lists a caption is set in.
enum class FontFace { Form, Splash };

struct Font {
    FontFace face = FontFace::Form;
    double points = 8.0;
    bool bold = false;

    constexpr bool operator==(const Font&) const = default;
};

// The windows' own font, and the bold captions of the settings frame and
// the About box's title.
inline constexpr Font kFormFont{FontFace::Form, 8.0, false};
inline constexpr Font kBoldCaptionFont{FontFace::Form, 9.75, true};

}  // namespace tenebrix::forms
