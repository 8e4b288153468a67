// SPDX-License-Identifier: GPL-3.0-or-later
// The game's message box on the page: the page shows it, and the game reads
// each click and key the player makes on it until one answers it.
#pragma once

#include <optional>

#include "Message.h"

namespace tenebrix::web {

class Page;
struct MessageEvent;

// The box's buttons, as the page's markup names them.
inline constexpr const char* kMessageBoxId = "msgBox";
inline constexpr const char* kMessageOkId = "msgOK";
inline constexpr const char* kMessageYesId = "msgYes";
inline constexpr const char* kMessageNoId = "msgNo";

// The answer `event` gives a box with `buttons`, if it gives one: a click
// on one of its buttons, or a key as the windows' rules take it.
std::optional<MessageAnswer> messageAnswer(MessageButtons buttons, const MessageEvent& event);

// Opens the box, waits for its answer and closes it.
MessageAnswer runMessageBox(Page& page, const Message& message);

}  // namespace tenebrix::web
