// SPDX-License-Identifier: GPL-3.0-or-later
// The real message boxes: a modal QMessageBox with exactly the game's text,
// title, buttons and icon.
#pragma once

#include <QMessageBox>
#include <memory>

#include "MessageBoxPresenter.h"

namespace tenebrix::qt {

// The box for `message`, not yet shown. The game's CR LF line breaks become
// plain line breaks; the text is shown as written, never as markup.
std::unique_ptr<QMessageBox> makeMessageBox(QWidget* owner, const Message& message);

// Which game answer a closed box's button stands for. Closing a Yes/No box
// without choosing counts as No.
MessageAnswer answerFor(QMessageBox::StandardButton button, MessageButtons buttons);

class ModalMessageBox final : public MessageBoxPresenter {
  public:
    MessageAnswer present(QWidget* owner, const Message& message) override;
};

}  // namespace tenebrix::qt
