// SPDX-License-Identifier: GPL-3.0-or-later
// Shows the game's modal messages and reports the button that closed them.
// The window asks through this interface, so tests can read and answer.
#pragma once

#include "Message.h"

class QWidget;

namespace tenebrix::qt {

class MessageBoxPresenter {
  public:
    virtual ~MessageBoxPresenter() = default;
    // Returns once the player has closed the message; `owner` takes no input
    // meanwhile.
    virtual MessageAnswer present(QWidget* owner, const Message& message) = 0;
};

}  // namespace tenebrix::qt
