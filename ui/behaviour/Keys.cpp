// SPDX-License-Identifier: GPL-3.0-or-later
// Keys by the names browsers give them.
#include "Keys.h"

#include <array>
#include <utility>

namespace tenebrix::ui {

namespace {

constexpr std::array<std::pair<std::string_view, Key>, 14> kNamedKeys{{
    {"ArrowLeft", Key::Left},
    {"ArrowRight", Key::Right},
    {"ArrowUp", Key::Up},
    {"ArrowDown", Key::Down},
    {"Home", Key::Home},
    {"End", Key::End},
    {"PageUp", Key::PageUp},
    {"PageDown", Key::PageDown},
    {" ", Key::Space},
    {"Spacebar", Key::Space},
    {"Enter", Key::Enter},
    {"Escape", Key::Escape},
    {"Tab", Key::Tab},
    {"F10", Key::F10},
}};

// "KeyN" -> 'N', "Digit5" -> '5': the Latin letter printed on a key of a
// US keyboard at that place; 0 for any other key.
char letterOfCode(std::string_view code) {
    if (code.size() == 4 && code.starts_with("Key") && code[3] >= 'A' && code[3] <= 'Z')
        return code[3];
    if (code.size() == 6 && code.starts_with("Digit") && code[5] >= '0' && code[5] <= '9')
        return code[5];
    return 0;
}

}  // namespace

KeyPress keyPressFromName(std::string_view name, std::string_view code, bool alt, bool ctrl,
                          bool shift, bool repeat) {
    KeyPress press{Key::Other, 0, alt, ctrl, shift, repeat};
    for (const auto& [known, key] : kNamedKeys) {
        if (name == known) {
            press.key = key;
            return press;
        }
    }
    std::size_t end = 0;
    const char32_t typed = forms::nextCodePoint(name, end);
    if (end != name.size() || name.empty()) return press;  // "Shift", "Dead", ""
    if (typed < 0x80) {
        // Of the plain ASCII characters only letters and digits are keys of
        // their own; punctuation is no access key in any of the game's captions.
        if (keyLetter(static_cast<char>(typed)) == 0) return press;
        press.letter = keyLetter(static_cast<char>(typed));
    } else if (typed < 0xA0 || typed == 0xAD || typed == 0xFFFD) {
        return press;  // control characters, the soft hyphen, broken UTF-8
    } else {
        press.letter = letterOfCode(code);
    }
    press.key = Key::Letter;
    press.character = typed;
    return press;
}

KeyPress keyPressFromName(std::string_view name, bool alt, bool ctrl, bool shift, bool repeat) {
    return keyPressFromName(name, {}, alt, ctrl, shift, repeat);
}

}  // namespace tenebrix::ui
