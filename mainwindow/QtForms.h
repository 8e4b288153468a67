// SPDX-License-Identifier: GPL-3.0-or-later
// The windows' data from forms/ in Qt's types: names and texts as QStrings.
#pragma once

#include <QString>

#include "ControlNames.h"

namespace tenebrix::ui {

// "picTile(7)" for ("picTile", 7).
inline QString arrayName(const char* name, int index) {
    return QString::fromStdString(forms::arrayName(name, index));
}

}  // namespace tenebrix::ui
