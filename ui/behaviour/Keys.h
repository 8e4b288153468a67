// SPDX-License-Identifier: GPL-3.0-or-later
// A key the player pressed, as every front end reports it to the windows'
// rules: which key, the character it typed, and which of Alt, Ctrl and
// Shift were held.
//
// A key that types a letter or a digit, in any script, is Key::Letter with
//   letter     the key's Latin letter or digit in upper case ('A' to 'Z',
//              '0' to '9'), whatever layout is in use: what Ctrl shortcuts
//              go by, as a Russian keyboard's Ctrl+Т is still Ctrl+N; 0 when
//              the key has none;
//   character  the Unicode code point the key typed in the player's layout
//              ('ф', 'N', 'é'), either case: what access keys go by; 0 when
//              the front end does not know it.
// A front end that knows only one of the two passes that one.
#pragma once

#include <string_view>

#include "AccessKey.h"

namespace tenebrix::ui {

enum class Key {
    Other,
    Letter,  // a letter or a digit: KeyPress::letter and KeyPress::character
    Left,
    Right,
    Up,
    Down,
    Home,
    End,
    PageUp,
    PageDown,
    Space,
    Enter,
    Escape,
    Tab,
    F10,
};

struct KeyPress {
    Key key = Key::Other;
    char letter = 0;  // 'A' to 'Z' or '0' to '9' for Key::Letter
    bool alt = false;
    bool ctrl = false;
    bool shift = false;
    bool repeat = false;     // sent again by the system while the key is held
    char32_t character = 0;  // the character typed, for Key::Letter; 0 when unknown

    constexpr bool plain() const { return !alt && !ctrl && !shift; }
    constexpr bool is(Key k) const { return key == k; }
    constexpr bool isLetter(char c) const { return key == Key::Letter && letter == c; }

    // The access keys this key may fire, best first, folded as captions'
    // keys are (forms::foldedKey): the character typed, then the key's Latin
    // letter, so that Alt+N still presses "&New Puzzle" while a Russian
    // layout is in use; 0 where there is none.
    struct AccessKeys {
        char32_t typed = 0;
        char32_t latin = 0;
    };
    constexpr AccessKeys accessKeys() const {
        if (key != Key::Letter) return {};
        const char32_t typed = forms::foldedKey(character);
        const char32_t latin = forms::foldedKey(static_cast<unsigned char>(letter));
        return {typed, latin == typed ? 0 : latin};
    }
};

// The key a browser names (KeyboardEvent.key: "ArrowLeft", "a", "F10", " ",
// "ф"). A letter of any script is Key::Letter with that character; its
// Latin letter is the character's own when it is one, else none.
KeyPress keyPressFromName(std::string_view name, bool alt, bool ctrl, bool shift, bool repeat);
// The same with the key's place on the keyboard (KeyboardEvent.code:
// "KeyN", "Digit5"), which gives the Latin letter whatever the layout.
KeyPress keyPressFromName(std::string_view name, std::string_view code, bool alt, bool ctrl,
                          bool shift, bool repeat);

// A letter or digit in upper case, or 0 for any other character.
constexpr char keyLetter(char c) {
    if (c >= 'a' && c <= 'z') return static_cast<char>(c - 'a' + 'A');
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return c;
    return 0;
}

}  // namespace tenebrix::ui
