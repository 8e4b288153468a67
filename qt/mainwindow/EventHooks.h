// SPDX-License-Identifier: GPL-3.0-or-later
// Hooks that turn a widget's own events into game commands without
// subclassing the widget. The widget still gets every event as usual.
#pragma once

#include <QEvent>
#include <functional>

class QWidget;

namespace tenebrix::qt {

// Runs `reaction` whenever `widget` receives an event of `type`.
void onEvent(QWidget* widget, QEvent::Type type, std::function<void()> reaction);

// Runs `reaction` when the pointer moves over `area` itself, outside every
// visible control inside it. A control that tracks the pointer but leaves a
// move unhandled (a label, a push button) passes it on to its container;
// those moves are left alone.
void onBareMouseMove(QWidget* area, std::function<void()> reaction);

}  // namespace tenebrix::qt
