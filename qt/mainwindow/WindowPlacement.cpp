// SPDX-License-Identifier: GPL-3.0-or-later
// Where the main window opens, and how its placement is written.
#include "WindowPlacement.h"

#include "Placement.h"

namespace tenebrix::qt {

QString placementTextIn(float twips, const QLocale& locale) {
    QString text = QString::fromStdString(ui::placementText(twips, std::string_view(".")));
    text.replace(QLatin1Char('.'), locale.decimalPoint());
    return text;
}

}  // namespace tenebrix::qt
