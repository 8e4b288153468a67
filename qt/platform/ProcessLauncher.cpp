// SPDX-License-Identifier: GPL-3.0-or-later
// Detached program start through QProcess.
#include "ProcessLauncher.h"

#include <QFileInfo>
#include <QProcess>

namespace tenebrix::platform {

bool ProcessLauncher::fileExists(const std::string& path) {
    return !path.empty() && QFileInfo(QString::fromLocal8Bit(path)).isFile();
}

// The started program opens its own window and takes the focus as any newly
// started program does; the game neither waits for it nor watches it.
bool ProcessLauncher::launch(const std::string& commandLine) {
    QStringList arguments = QProcess::splitCommand(QString::fromLocal8Bit(commandLine));
    if (arguments.isEmpty()) {
        return false;
    }
    const QString program = arguments.takeFirst();
    return QProcess::startDetached(program, arguments);
}

}  // namespace tenebrix::platform
