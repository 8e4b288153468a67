// SPDX-License-Identifier: GPL-3.0-or-later
// Where the window-free platform logic sends a message for the player: a
// modal box with an OK button only and no icon.
#pragma once

#include <string>

namespace tenebrix::platform {

class MessageSink {
  public:
    virtual ~MessageSink() = default;
    // Returns once the player has closed the box.
    virtual void showMessage(const std::string& text, const std::string& title) = 0;
};

}  // namespace tenebrix::platform
