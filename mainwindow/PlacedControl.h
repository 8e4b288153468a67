// SPDX-License-Identifier: GPL-3.0-or-later
// Makes a named control at its place in twips: every window builds its
// controls this way, so names and places are written once each.
#pragma once

#include <QString>
#include <utility>

#include "Twips.h"

namespace tenebrix::ui {

// A new T, child of `parent`, made from `arguments` followed by the parent
// (Qt's order), named `name` and placed at `place` within the parent.
template <class T, class... Arguments>
T* placeControl(QWidget* parent, const QString& name, const TwipRect& place,
                Arguments&&... arguments) {
    auto* control = new T(std::forward<Arguments>(arguments)..., parent);
    control->setObjectName(name);
    control->setGeometry(toPixels(place));
    return control;
}

}  // namespace tenebrix::ui
