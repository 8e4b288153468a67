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

// OK has the focus when the box opens.
inline constexpr const char* kFocusAtStart = "cmdOK";

}  // namespace tenebrix::forms::frmAbout
