// SPDX-License-Identifier: GPL-3.0-or-later
// Hooks that turn a widget's own mouse events into calls on the windows'
// rules without subclassing the widget. The widget still gets every event.
#pragma once

#include <QEvent>
#include <functional>

class QWidget;

namespace tenebrix::qt {

// Runs `reaction` whenever `widget` gets a mouse event of `type` over its
// own area, outside every visible control inside it. A control that leaves
// a move unhandled (a label, a push button) passes it on to the one it lies
// in; that one leaves it alone.
void onOwnArea(QWidget* widget, QEvent::Type type, std::function<void()> reaction);

}  // namespace tenebrix::qt
