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

}  // namespace

KeyPress keyPressFromName(std::string_view name, bool alt, bool ctrl, bool shift, bool repeat) {
    KeyPress press{Key::Other, 0, alt, ctrl, shift, repeat};
    for (const auto& [known, key] : kNamedKeys) {
        if (name == known) {
            press.key = key;
            return press;
        }
    }
    if (name.size() == 1 && keyLetter(name[0]) != 0) {
        press.key = Key::Letter;
        press.letter = keyLetter(name[0]);
    }
    return press;
}

}  // namespace tenebrix::ui
