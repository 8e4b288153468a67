// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's registry: which installed system information tool its one
// value names, and that it refuses everything else as the registry does.
#include <QtTest>
#include <array>

#include "DesktopRegistry.h"
#include "GnomeSettings.h"
#include "StandInPrograms.h"

using namespace tenebrix::platform;
using namespace tenebrix::testing;

const std::string kPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string kFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

class DesktopRegistryTest : public QObject {
    Q_OBJECT
    const QByteArray m_path = qgetenv("PATH");
    const QByteArray m_desktop = qgetenv("XDG_CURRENT_DESKTOP");
    const bool m_desktopSet = qEnvironmentVariableIsSet("XDG_CURRENT_DESKTOP");  // or unset

  private slots:
    // Whatever a test changed in the environment is back as it was, even after a failure.
    void cleanup() {
        QCOMPARE(qgetenv("PATH"), m_path);
        QCOMPARE(qgetenv("XDG_CURRENT_DESKTOP"), m_desktop);
        QCOMPARE(qEnvironmentVariableIsSet("XDG_CURRENT_DESKTOP"), m_desktopSet);
    }

    void namesTheDesktopsToolFirst_data() {
        QTest::addColumn<QString>("desktop");  // XDG_CURRENT_DESKTOP
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QByteArray>("settingsPanels");  // what GNOME Settings lists, if installed
        QTest::addColumn<QByteArray>("command");         // empty: the value is not there
        const QStringList all{"hardinfo", "hardinfo2", "gnome-control-center", "kinfocenter"};
        const QByteArray s43 = kGnomeSettings43Panels, s46 = kGnomeSettings46Panels;
        const QByteArray about43 = "gnome-control-center info-overview";
        const QByteArray about46 = "gnome-control-center system about";
        QTest::newRow("KDE") << "KDE" << all << s46 << QByteArray("kinfocenter");
        QTest::newRow("GNOME 43, in a list") << "ubuntu:GNOME" << all << s43 << about43;
        QTest::newRow("GNOME 46, in a list") << "ubuntu:GNOME" << all << s46 << about46;
        QTest::newRow("GNOME 46 alone")
            << "GNOME" << QStringList{"gnome-control-center"} << s46 << about46;
        // Panel names only count as the first word of a line, whatever the spacing.
        QTest::newRow("GNOME, bare list") << "GNOME" << QStringList{"gnome-control-center"}
                                          << QByteArray("system  the system\nmouse") << about46;
        QTest::newRow("GNOME, About page unknown: passed over")
            << "GNOME" << all << QByteArray("Available panels:\n\tmouse system\n\twifi")
            << QByteArray("kinfocenter");
        QTest::newRow("GNOME, --list unknown: passed over")
            << "GNOME" << QStringList{"hardinfo", "gnome-control-center"} << QByteArray()
            << QByteArray("hardinfo");
        QTest::newRow("GNOME without its settings")
            << "GNOME" << QStringList{"hardinfo", "kinfocenter"} << s46
            << QByteArray("kinfocenter");
        QTest::newRow("KDE without kinfocenter")
            << "KDE" << QStringList{"hardinfo", "hardinfo2"} << s46 << QByteArray("hardinfo2");
        QTest::newRow("other desktop") << "XFCE" << QStringList{"hardinfo", "gnome-control-center"}
                                       << s43 << QByteArray("hardinfo");
        QTest::newRow("no desktop, GNOME Settings only")
            << "" << QStringList{"gnome-control-center"} << s43 << QByteArray();
        QTest::newRow("none installed") << "KDE" << QStringList{} << s46 << QByteArray();
    }
    // Read through the interface the launcher uses. The tools are installed
    // after the key was opened: a tool installed while the game runs counts.
    // All other keys, values and handles are refused as the registry does.
    void namesTheDesktopsToolFirst() {
        QFETCH(QString, desktop);
        QFETCH(QStringList, installed);
        QFETCH(QByteArray, settingsPanels);
        QFETCH(QByteArray, command);
        ScopedEnvironment desktopName("XDG_CURRENT_DESKTOP", desktop.toLocal8Bit());
        StandInPrograms programs;
        DesktopRegistry registry;
        RegistryHandle key = 1;
        QCOMPARE(registry.open(kHkeyLocalMachine, kFolderKey, kKeyAllAccess, key),
                 kErrorFileNotFound);
        QCOMPARE(key, RegistryHandle{0});
        QCOMPARE(registry.open(kHkeyCurrentUser, kPathKey, kKeyAllAccess, key), kErrorFileNotFound);
        QCOMPARE(registry.open(kHkeyLocalMachine, kPathKey, kKeyAllAccess, key), kErrorSuccess);
        for (const QString& name : installed)
            programs.install(name, name == "gnome-control-center" ? settingsPanels : QByteArray());
        std::array<char, 1024> buffer{};
        std::uint32_t type = 0, size = command.size();  // one short: a text keeps its final NUL
        QCOMPARE(registry.queryValue(key, "PATH", type, buffer, size),
                 command.isEmpty() ? kErrorFileNotFound : kErrorMoreData);
        if (!command.isEmpty()) {
            QCOMPARE(qsizetype(size), command.size() + 1);
            size = buffer.size();
            QCOMPARE(registry.queryValue(key, "PATH", type, buffer, size), kErrorSuccess);
            QCOMPARE(type, kRegSz);
            QCOMPARE(QByteArray(buffer.data(), size), command + '\0');
        }
        QCOMPARE(registry.queryValue(key, "MSINFO", type, buffer, size), kErrorFileNotFound);
        QCOMPARE(registry.queryValue(key + 1, "PATH", type, buffer, size), kErrorInvalidHandle);
        QCOMPARE(registry.close(key), kErrorSuccess);
        QCOMPARE(registry.close(key), kErrorInvalidHandle);
        QCOMPARE(registry.queryValue(key, "PATH", type, buffer, size), kErrorInvalidHandle);
    }

    // A Settings that does not answer is given up on, not waited for.
    void settingsThatHangsIsPassedOver() {
        StandInPrograms programs;
        programs.installScript("gnome-control-center", "exec /bin/sleep 60");
        const QString settings = QStandardPaths::findExecutable("gnome-control-center");
        QVERIFY(!settings.isEmpty());
        QCOMPARE(gnomeAboutCommand(settings, 200), std::string());
        programs.installScript("gnome-control-center", "echo '\tsystem'; exit 1");
        QCOMPARE(gnomeAboutCommand(settings, 5000), std::string());  // it failed
        programs.installScript("gnome-control-center", "echo '\tsystem'");
        QCOMPARE(gnomeAboutCommand(settings, 5000),
                 std::string("gnome-control-center system about"));
    }
};

QTEST_GUILESS_MAIN(DesktopRegistryTest)
#include "test_desktopregistry.moc"
