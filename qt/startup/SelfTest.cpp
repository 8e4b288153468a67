// SPDX-License-Identifier: GPL-3.0-or-later
// The packagers' start-up check.
#include "SelfTest.h"

#include <QFileInfo>
#include <QTextStream>
#include <QTimer>
#include <QWidget>

namespace tenebrix::startup {

bool isSelfTestRequested() {
    return qEnvironmentVariableIsSet("TENEBRIX_SELFTEST");
}

void reportAndClose(QWidget* mainWindow, const QString& helpFilePath) {
    // Queued, so the window has finished showing (and loading) first.
    QTimer::singleShot(0, mainWindow, [mainWindow, helpFilePath] {
        const bool found = !helpFilePath.isEmpty() && QFileInfo::exists(helpFilePath);
        QTextStream(stdout) << "main window loaded; help file: " << helpFilePath
                            << (found ? " (found)" : " (missing)") << Qt::endl;
        mainWindow->close();
    });
}

}  // namespace tenebrix::startup
