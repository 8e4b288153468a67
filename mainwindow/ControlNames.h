// SPDX-License-Identifier: GPL-3.0-or-later
// Object names of the window's controls. A control that repeats is named
// like an array element, "picTile(7)", so tests and tools find each one by
// the name the game's documents give it.
#pragma once

#include <QString>

namespace tenebrix::ui {

inline QString arrayName(const char* name, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

}  // namespace tenebrix::ui
