// SPDX-License-Identifier: GPL-3.0-or-later
// The real message boxes.
#include "ModalMessageBox.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QString>
#include <optional>

#include "Captions.h"
#include "QtKeys.h"
#include "WindowKeys.h"

namespace tenebrix::qt {

namespace {

// The box's buttons speak the game's catalogue, as every other text does,
// rather than Qt's own translations: one translation for all the game's
// front ends, the pseudo-language reaches them too, and the letter that
// answers the box is the one its button shows. A caption that marks no key
// gets its first letter marked where that is a letter of an alphabet with
// capitals, as Qt's own "&Yes" and "&No" do; a kana or a hanzi is not
// marked, as no keyboard types it directly.
QString buttonCaption(MessageAnswer answer) {
    QString caption = QString::fromStdString(ui::answerCaption(answer));
    if (answer == MessageAnswer::Ok || caption.contains(u'&') || caption.isEmpty()) return caption;
    const QChar first = caption.at(0);
    if (first.isLetter() && first.toUpper() != first.toLower()) caption.prepend(u'&');
    return caption;
}

// A Yes/No box answers to the letters the game's rules give it in any
// script; Enter, Space and Esc stay the box's own.
class GameMessageBox final : public QMessageBox {
  public:
    GameMessageBox(QWidget* owner, MessageButtons buttons)
        : QMessageBox(owner), buttons_(buttons) {}

  protected:
    bool event(QEvent* event) override {
        // Taken from the buttons' own Alt shortcuts, so that a key answers once.
        if (event->type() == QEvent::ShortcutOverride &&
            answerOf(*static_cast<QKeyEvent*>(event))) {
            event->accept();
            return true;
        }
        return QMessageBox::event(event);
    }

    void keyPressEvent(QKeyEvent* event) override {
        if (const auto answer = answerOf(*event)) {
            if (QAbstractButton* pressed =
                    button(*answer == MessageAnswer::Yes ? QMessageBox::Yes : QMessageBox::No)) {
                event->accept();
                pressed->click();
                return;
            }
        }
        QMessageBox::keyPressEvent(event);
    }

  private:
    std::optional<MessageAnswer> answerOf(const QKeyEvent& event) const {
        const ui::KeyPress key = keyPressOf(event);
        if (buttons_ != MessageButtons::YesNo || key.key != ui::Key::Letter) return std::nullopt;
        return ui::messageBoxKey(buttons_, key, MessageAnswer::Yes);
    }

    MessageButtons buttons_;
};

}  // namespace

std::unique_ptr<QMessageBox> makeMessageBox(QWidget* owner, const Message& message) {
    auto box = std::make_unique<GameMessageBox>(owner, message.buttons);
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
        box->button(QMessageBox::Yes)->setText(buttonCaption(MessageAnswer::Yes));
        box->button(QMessageBox::No)->setText(buttonCaption(MessageAnswer::No));
    } else {
        box->setStandardButtons(QMessageBox::Ok);
        box->button(QMessageBox::Ok)->setText(buttonCaption(MessageAnswer::Ok));
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
