// SPDX-License-Identifier: GPL-3.0-or-later
// Makes a named control at its place in twips: every window builds its
// controls this way, from the names and places its form gives.
#pragma once

#include <QString>
#include <QWidget>
#include <span>
#include <utility>

#include "QtForms.h"

namespace tenebrix::qt {

// A new T, child of `parent`, made from `arguments` followed by the parent
// (Qt's order), named `name` and placed at `place` within the parent.
template <class T, class... Arguments>
T* placeControl(QWidget* parent, const QString& name, const forms::TwipRect& place,
                Arguments&&... arguments) {
    auto* control = new T(std::forward<Arguments>(arguments)..., parent);
    control->setObjectName(name);
    control->setGeometry(toPixels(place));
    return control;
}

// Tab goes from each of the named children of `window` to the next.
inline void setTabOrder(QWidget* window, std::span<const char* const> names) {
    for (std::size_t i = 1; i < names.size(); ++i) {
        QWidget::setTabOrder(window->findChild<QWidget*>(QLatin1String(names[i - 1])),
                             window->findChild<QWidget*>(QLatin1String(names[i])));
    }
}

}  // namespace tenebrix::qt
