// SPDX-License-Identifier: GPL-3.0-or-later
// Asking GNOME Settings which panel holds its About page.
#include "GnomeSettings.h"

#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

namespace tenebrix::platform {

namespace {

// `--list` prints a heading and then one panel a line, indented; the first
// word of each line is taken, so a panel name in a description never counts.
QStringList listedPanels(const QString& panelList) {
    QStringList panels;
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    for (const QString& line : panelList.split(u'\n')) {
        const QStringList words = line.split(blanks, Qt::SkipEmptyParts);
        if (!words.isEmpty()) panels << words.first();
    }
    return panels;
}

}  // namespace

QStringList gnomeAboutPageArguments(const QString& panelList) {
    const QStringList panels = listedPanels(panelList);
    if (panels.contains(u"info-overview")) return {QStringLiteral("info-overview")};
    if (panels.contains(u"system")) return {QStringLiteral("system"), QStringLiteral("about")};
    return {};
}

std::string gnomeAboutCommand(const QString& programPath, int timeoutMs) {
    QProcess settings;
    settings.setProcessChannelMode(QProcess::SeparateChannels);
    settings.setStandardInputFile(QProcess::nullDevice());
    settings.start(programPath, {QStringLiteral("--list")});
    // Settings that hangs must not hang the About box with it.
    if (!settings.waitForFinished(timeoutMs)) {
        settings.kill();
        settings.waitForFinished(1000);
        return {};
    }
    if (settings.exitStatus() != QProcess::NormalExit || settings.exitCode() != 0) return {};
    const QStringList page =
        gnomeAboutPageArguments(QString::fromLocal8Bit(settings.readAllStandardOutput()));
    if (page.isEmpty()) return {};
    return (QFileInfo(programPath).fileName() + u' ' + page.join(u' ')).toStdString();
}

}  // namespace tenebrix::platform
