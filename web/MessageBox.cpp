// SPDX-License-Identifier: GPL-3.0-or-later
// The message box's answers.
#include "MessageBox.h"

#include <string_view>

#include "Keys.h"
#include "Page.h"
#include "WindowKeys.h"

namespace tenebrix::web {

namespace {

// The answer of the button called `id` in a box with `buttons`; none for
// an element that is not one of its buttons.
std::optional<MessageAnswer> buttonAnswer(MessageButtons buttons, std::string_view id) {
    if (buttons == MessageButtons::YesNo) {
        if (id == kMessageYesId) return MessageAnswer::Yes;
        if (id == kMessageNoId) return MessageAnswer::No;
        return std::nullopt;
    }
    if (id == kMessageOkId) return MessageAnswer::Ok;
    return std::nullopt;
}

}  // namespace

std::optional<MessageAnswer> messageAnswer(MessageButtons buttons, const MessageEvent& event) {
    if (event.kind == MessageEvent::Kind::Click) return buttonAnswer(buttons, event.element);
    const ui::KeyPress key = ui::keyPressFromName(event.key, event.code, event.alt, event.ctrl,
                                                  event.shift, event.repeat);
    // The focus is on one of the box's buttons; should it be lost, the
    // first button, which has it when the box opens.
    const MessageAnswer first =
        buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
    return ui::messageBoxKey(buttons, key, buttonAnswer(buttons, event.element).value_or(first));
}

MessageAnswer runMessageBox(Page& page, const Message& message) {
    page.openMessage(message);
    for (;;) {
        if (const auto answer = messageAnswer(message.buttons, page.nextMessageEvent())) {
            page.closeMessage();
            return *answer;
        }
    }
}

}  // namespace tenebrix::web
