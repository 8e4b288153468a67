// SPDX-License-Identifier: GPL-3.0-or-later
// What the page says in place of the game when the game cannot run or has
// ended: written into the page's markup in English, and again in the
// player's language once the game has started.
#pragma once

#include <string>

#include "Translate.h"

namespace tenebrix::web {

inline std::string noScriptNotice() {
    // TRANSLATORS: shown on the web page instead of the game when the
    // browser runs no JavaScript.
    return i18n::tr("Tenebrix needs JavaScript. Turn it on and load this page again.");
}

inline std::string noProgramNotice() {
    // TRANSLATORS: shown on the web page when the browser could not load or
    // run the game's program (blocked, switched off, or a browser too old).
    return i18n::tr(
        "Tenebrix cannot start: this browser did not load its program (WebAssembly). Load the "
        "page again or try a current browser.");
}

inline std::string endedNotice() {
    // TRANSLATORS: shown on the web page after File > Exit when the browser
    // keeps the tab open; the button under it starts the game again.
    return i18n::tr("Tenebrix has ended.");
}

inline std::string playAgainCaption() {
    return i18n::tr("Play Again");
}

// What a screen reader calls the menu bar.
inline std::string menuBarName() {
    // TRANSLATORS: What a screen reader calls the page's menu bar (browser version).
    return i18n::tr("Menu bar");
}

// What a screen reader calls a window's close box.
inline std::string closeBoxName() {
    // TRANSLATORS: what a screen reader calls the close box (the X) in the
    // title bar of the About box (browser version).
    return i18n::tr("Close");
}

// What a screen reader calls the "i" beside a message.
inline std::string informationIconName() {
    // TRANSLATORS: what a screen reader calls the "i" icon beside a
    // message's text (browser version).
    return i18n::tr("Information");
}

}  // namespace tenebrix::web
