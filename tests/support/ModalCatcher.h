// SPDX-License-Identifier: GPL-3.0-or-later
// Closes every modal window that comes up while it lives, after noting what it
// showed, so checks run once the window is gone: a failing one fails at once
// instead of leaving a dialog open until the test runner's timeout.
#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <functional>
#include <vector>

namespace tenebrix::testing {

struct ModalSnapshot {
    QString className;
    QString title;
    QString text;  // a message box's text; empty for other dialogs
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    const QWidget* owner = nullptr;
    QRect frame;  // where it stood on the screen, its frame included
};

class ModalCatcher {
  public:
    ModalCatcher() {
        // Polled rather than hooked: a modal window runs its own event loop,
        // in which this timer keeps firing.
        QObject::connect(&m_poll, &QTimer::timeout, [this] { closeModal(); });
        m_poll.start(10);
    }

    std::vector<ModalSnapshot> seen;
    // Run while each modal window is still up, just before it closes.
    std::function<void()> whileOpen;

  private:
    void closeModal() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible()) return;
        ModalSnapshot shot{QString::fromLatin1(modal->metaObject()->className()),
                           modal->windowTitle(),
                           {},
                           QMessageBox::NoIcon,
                           {},
                           modal->parentWidget(),
                           modal->frameGeometry()};
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            shot.text = box->text();
            shot.icon = box->icon();
            shot.buttons = box->standardButtons();
        }
        seen.push_back(shot);
        if (whileOpen) whileOpen();
        modal->close();
    }

    QTimer m_poll;
};

}  // namespace tenebrix::testing
