// SPDX-License-Identifier: GPL-3.0-or-later
// A start-up check for packagers: with TENEBRIX_SELFTEST set, the program
// says whether its game window came up and its help file is there, then ends.
#pragma once

#include <QString>

class QWidget;

namespace tenebrix::startup {

bool isSelfTestRequested();
// Once `mainWindow` is up: prints "main window loaded; help file: PATH
// (found)" or "(missing)" on standard output and closes the window.
void reportAndClose(QWidget* mainWindow, const QString& helpFilePath);

}  // namespace tenebrix::startup
