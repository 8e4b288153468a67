// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's registry: which installed system information tool its one
// value names, and that it refuses everything else as the registry does.
#include <QtTest>
#include <array>

#include "DesktopRegistry.h"
#include "StandInPrograms.h"

using namespace tenebrix::platform;

const std::string kPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string kFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

class DesktopRegistryTest : public QObject {
    Q_OBJECT
  private slots:
    void namesTheDesktopsToolFirst_data() {
        QTest::addColumn<QString>("desktop");  // XDG_CURRENT_DESKTOP
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QByteArray>("command");  // empty: the value is not there
        const QStringList all{"hardinfo", "hardinfo2", "gnome-control-center", "kinfocenter"};
        QTest::newRow("KDE") << "KDE" << all << QByteArray("kinfocenter");
        QTest::newRow("GNOME, in a list")
            << "ubuntu:GNOME" << all << QByteArray("gnome-control-center info-overview");
        QTest::newRow("GNOME without its settings")
            << "GNOME" << QStringList{"hardinfo", "kinfocenter"} << QByteArray("kinfocenter");
        QTest::newRow("KDE without kinfocenter")
            << "KDE" << QStringList{"hardinfo", "hardinfo2"} << QByteArray("hardinfo2");
        QTest::newRow("other desktop")
            << "XFCE" << QStringList{"hardinfo", "gnome-control-center"} << QByteArray("hardinfo");
        QTest::newRow("no desktop, GNOME Settings only")
            << "" << QStringList{"gnome-control-center"} << QByteArray();
        QTest::newRow("none installed") << "KDE" << QStringList{} << QByteArray();
    }
    // Read through the interface the launcher uses. The tools are installed
    // after the key was opened: a tool installed while the game runs counts.
    // All other keys, values and handles are refused as the registry does.
    void namesTheDesktopsToolFirst() {
        QFETCH(QString, desktop);
        QFETCH(QStringList, installed);
        QFETCH(QByteArray, command);
        qputenv("XDG_CURRENT_DESKTOP", desktop.toLocal8Bit());
        tenebrix::testing::StandInPrograms programs;
        DesktopRegistry registry;
        RegistryHandle key = 1;
        QCOMPARE(registry.open(kHkeyLocalMachine, kFolderKey, kKeyAllAccess, key),
                 kErrorFileNotFound);
        QCOMPARE(key, RegistryHandle{0});
        QCOMPARE(registry.open(kHkeyCurrentUser, kPathKey, kKeyAllAccess, key), kErrorFileNotFound);
        QCOMPARE(registry.open(kHkeyLocalMachine, kPathKey, kKeyAllAccess, key), kErrorSuccess);
        for (const QString& name : installed) programs.install(name);
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
};

QTEST_GUILESS_MAIN(DesktopRegistryTest)
#include "test_desktopregistry.moc"
