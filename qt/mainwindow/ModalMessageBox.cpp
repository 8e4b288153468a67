// SPDX-License-Identifier: GPL-3.0-or-later
// The real message boxes.
#include "ModalMessageBox.h"

#include <QString>

namespace tenebrix::qt {

std::unique_ptr<QMessageBox> makeMessageBox(QWidget* owner, const Message& message) {
    auto box = std::make_unique<QMessageBox>(owner);
    box->setWindowModality(Qt::ApplicationModal);
    box->setTextFormat(Qt::PlainText);
    box->setWindowTitle(QString::fromStdString(message.title));
    box->setText(QString::fromStdString(message.text)
                     .replace(QLatin1String(kLineBreak), QLatin1String("\n")));
    box->setIcon(message.icon == MessageIcon::Information ? QMessageBox::Information
                                                          : QMessageBox::NoIcon);
    if (message.buttons == MessageButtons::YesNo) {
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box->setDefaultButton(QMessageBox::Yes);
    } else {
        box->setStandardButtons(QMessageBox::Ok);
    }
    return box;
}

MessageAnswer answerFor(QMessageBox::StandardButton button, MessageButtons buttons) {
    if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
    return button == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

MessageAnswer ModalMessageBox::present(QWidget* owner, const Message& message) {
    const auto box = makeMessageBox(owner, message);
    const auto button = static_cast<QMessageBox::StandardButton>(box->exec());
    return answerFor(button, message.buttons);
}

}  // namespace tenebrix::qt
