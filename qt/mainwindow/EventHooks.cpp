// SPDX-License-Identifier: GPL-3.0-or-later
// Hooks from a widget's mouse events to the windows' rules.
#include "EventHooks.h"

#include <QMouseEvent>
#include <QObject>
#include <QWidget>

namespace tenebrix::qt {

namespace {

class EventHook final : public QObject {
  public:
    EventHook(QWidget* widget, QEvent::Type type, std::function<void()> reaction)
        : QObject(widget), widget_(widget), type_(type), reaction_(std::move(reaction)) {
        widget->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == widget_ && event->type() == type_ && overOwnArea(event)) reaction_();
        return false;
    }

  private:
    bool overOwnArea(QEvent* event) const {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        return widget_->childAt(mouse->position().toPoint()) == nullptr;
    }

    QWidget* widget_;
    QEvent::Type type_;
    std::function<void()> reaction_;
};

}  // namespace

void onOwnArea(QWidget* widget, QEvent::Type type, std::function<void()> reaction) {
    new EventHook(widget, type, std::move(reaction));  // owned by `widget`
}

}  // namespace tenebrix::qt
