// SPDX-License-Identifier: GPL-3.0-or-later
// A key the player pressed, as every front end reports it to the windows'
// rules: which key, and which of Alt, Ctrl and Shift were held.
#pragma once

#include <string_view>

namespace tenebrix::ui {

enum class Key {
    Other,
    Letter,  // a letter or a digit: KeyPress::letter
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
    bool repeat = false;  // sent again by the system while the key is held

    constexpr bool plain() const { return !alt && !ctrl && !shift; }
    constexpr bool is(Key k) const { return key == k; }
    constexpr bool isLetter(char c) const { return key == Key::Letter && letter == c; }
};

// The key a browser names (KeyboardEvent.key: "ArrowLeft", "a", "F10", " ").
KeyPress keyPressFromName(std::string_view name, bool alt, bool ctrl, bool shift, bool repeat);

// A letter or digit in upper case, or 0 for any other character.
constexpr char keyLetter(char c) {
    if (c >= 'a' && c <= 'z') return static_cast<char>(c - 'a' + 'A');
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return c;
    return 0;
}

}  // namespace tenebrix::ui
