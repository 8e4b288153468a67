// SPDX-License-Identifier: GPL-3.0-or-later
// A modal message the game asks the player to read: text, title, buttons and
// icon, and the button that closed it.
#pragma once

#include <string>

namespace tenebrix {

// Line breaks inside message texts are carriage return + line feed.
inline constexpr const char* kLineBreak = "\r\n";

enum class MessageButtons { Ok, YesNo };
enum class MessageIcon { None, Information };
enum class MessageAnswer { Ok, Yes, No };

struct Message {
    std::string text;
    std::string title;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;

    bool operator==(const Message&) const = default;
};

}  // namespace tenebrix
