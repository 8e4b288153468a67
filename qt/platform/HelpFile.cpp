// SPDX-License-Identifier: GPL-3.0-or-later
// The help file's path, from the build's choice and the program's place.
#include "HelpFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <optional>

#ifndef TENEBRIX_HELP_FILE
#define TENEBRIX_HELP_FILE ""
#endif
#ifndef TENEBRIX_HELP_DATA_DIR
#define TENEBRIX_HELP_DATA_DIR "../share/tenebrix"
#endif

namespace tenebrix::platform {

namespace {

// A language's page beside the English page `english`, if there is one.
// Only a plain folder name counts as a language: never a path.
std::optional<QString> translatedPage(const QString& english, const QString& language) {
    if (language.isEmpty() || language.contains(u'/') || language.startsWith(u'.'))
        return std::nullopt;
    const QFileInfo page(QFileInfo(english).dir().filePath(language + QLatin1Char('/') +
                                                           QLatin1String(kHelpFileName)));
    if (!page.isFile()) return std::nullopt;
    return QDir::cleanPath(page.filePath());
}

}  // namespace

QString helpFilePath(const QString& language) {
#ifdef TENEBRIX_NO_HELP_FILE
    Q_UNUSED(language);
    return {};
#else
    const QString configured = QStringLiteral(TENEBRIX_HELP_FILE);
    if (!configured.isEmpty()) {
        return translatedPage(configured, language).value_or(configured);
    }
    return helpFileBesideProgram(QCoreApplication::applicationDirPath(),
                                 QStringLiteral(TENEBRIX_HELP_DATA_DIR), language);
#endif
}

QString helpFileBesideProgram(const QString& programDir, const QString& relativeDataDir,
                              const QString& language) {
    const QDir dir(programDir);
    const QString beside = dir.filePath(kHelpFileName);
    const QString installed =
        QDir::cleanPath(dir.filePath(relativeDataDir + QLatin1Char('/') + kHelpFileName));
    // The build tree keeps the translated pages in help/LANG/, an installed
    // game in LANG/ beside the English page.
    if (const auto built =
            translatedPage(dir.filePath(QStringLiteral("help/") + kHelpFileName), language))
        return *built;
    if (const auto page = translatedPage(installed, language)) return *page;
    if (QFileInfo::exists(beside)) {
        return beside;
    }
    return QFileInfo::exists(installed) ? installed : beside;
}

}  // namespace tenebrix::platform
