// SPDX-License-Identifier: GPL-3.0-or-later
// The help file's path, from the build's choice and the program's place.
#include "HelpFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#ifndef TENEBRIX_HELP_FILE
#define TENEBRIX_HELP_FILE ""
#endif
#ifndef TENEBRIX_HELP_DATA_DIR
#define TENEBRIX_HELP_DATA_DIR "../share/tenebrix"
#endif

namespace tenebrix::platform {

QString helpFilePath() {
#ifdef TENEBRIX_NO_HELP_FILE
    return {};
#else
    const QString configured = QStringLiteral(TENEBRIX_HELP_FILE);
    if (!configured.isEmpty()) {
        return configured;
    }
    return helpFileBesideProgram(QCoreApplication::applicationDirPath(),
                                 QStringLiteral(TENEBRIX_HELP_DATA_DIR));
#endif
}

QString helpFileBesideProgram(const QString& programDir, const QString& relativeDataDir) {
    const QDir dir(programDir);
    const QString beside = dir.filePath(kHelpFileName);
    if (QFileInfo::exists(beside)) {
        return beside;
    }
    const QString installed =
        QDir::cleanPath(dir.filePath(relativeDataDir + QLatin1Char('/') + kHelpFileName));
    return QFileInfo::exists(installed) ? installed : beside;
}

}  // namespace tenebrix::platform
