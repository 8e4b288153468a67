// SPDX-License-Identifier: GPL-3.0-or-later
// Hooks from a widget's events to game commands.
#include "EventHooks.h"

#include <QMouseEvent>
#include <QObject>
#include <QWidget>

namespace tenebrix::qt {

namespace {

class EventHook final : public QObject {
  public:
    EventHook(QWidget* widget, QEvent::Type type, bool bareAreaOnly, std::function<void()> reaction)
        : QObject(widget),
          widget_(widget),
          type_(type),
          bareAreaOnly_(bareAreaOnly),
          reaction_(std::move(reaction)) {
        widget->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == widget_ && event->type() == type_ && appliesTo(event)) reaction_();
        return false;
    }

  private:
    bool appliesTo(QEvent* event) const {
        if (!bareAreaOnly_) return true;
        const auto* mouse = static_cast<QMouseEvent*>(event);
        return widget_->childAt(mouse->position().toPoint()) == nullptr;
    }

    QWidget* widget_;
    QEvent::Type type_;
    bool bareAreaOnly_;
    std::function<void()> reaction_;
};

}  // namespace

void onEvent(QWidget* widget, QEvent::Type type, std::function<void()> reaction) {
    new EventHook(widget, type, false, std::move(reaction));  // owned by `widget`
}

void onBareMouseMove(QWidget* area, std::function<void()> reaction) {
    new EventHook(area, QEvent::MouseMove, true, std::move(reaction));  // owned by `area`
}

}  // namespace tenebrix::qt
