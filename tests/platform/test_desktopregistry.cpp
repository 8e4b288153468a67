// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's registry: which installed system information tool its one
// value names, and that it refuses everything else as the registry does.
#include <QtTest>
#include <array>
#include <string>

#include "DesktopRegistry.h"
#include "StandInPrograms.h"

using namespace tenebrix::platform;
using tenebrix::testing::StandInPrograms;

namespace {

const std::string kPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";

}  // namespace

class DesktopRegistryTest : public QObject {
    Q_OBJECT
  private slots:
    void namesTheDesktopsToolFirst_data();
    void namesTheDesktopsToolFirst();
    void refusesAllElseAsTheRegistryDoes();
};

void DesktopRegistryTest::namesTheDesktopsToolFirst_data() {
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

// Read through the interface the launcher uses, with the full buffer.
void DesktopRegistryTest::namesTheDesktopsToolFirst() {
    QFETCH(QString, desktop);
    QFETCH(QStringList, installed);
    QFETCH(QByteArray, command);
    StandInPrograms programs;
    for (const QString& name : installed) programs.install(name);
    qputenv("XDG_CURRENT_DESKTOP", desktop.toLocal8Bit());

    DesktopRegistry registry;
    RegistryHandle key = 0;
    QCOMPARE(registry.open(kHkeyLocalMachine, kPathKey, kKeyAllAccess, key), kErrorSuccess);
    std::array<char, 1024> buffer{};
    std::uint32_t type = 0;
    std::uint32_t size = buffer.size();
    const long status = registry.queryValue(key, "PATH", type, buffer, size);
    if (command.isEmpty()) {
        QCOMPARE(status, kErrorFileNotFound);
    } else {
        QCOMPARE(status, kErrorSuccess);
        QCOMPARE(type, kRegSz);
        const QByteArray stored = command + '\0';  // a text keeps its final NUL
        QCOMPARE(QByteArray(buffer.data(), size), stored);
    }
    QCOMPARE(registry.close(key), kErrorSuccess);
}

void DesktopRegistryTest::refusesAllElseAsTheRegistryDoes() {
    StandInPrograms programs;
    programs.install("hardinfo");
    qputenv("XDG_CURRENT_DESKTOP", "");
    DesktopRegistry registry;
    RegistryHandle key = 0;
    QCOMPARE(registry.open(kHkeyLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools Location",
                           kKeyAllAccess, key),
             kErrorFileNotFound);
    QCOMPARE(key, RegistryHandle{0});
    QCOMPARE(registry.open(kHkeyCurrentUser, kPathKey, kKeyAllAccess, key), kErrorFileNotFound);
    QCOMPARE(registry.open(kHkeyLocalMachine, kPathKey, kKeyAllAccess, key), kErrorSuccess);

    std::array<char, 1024> buffer{};
    std::uint32_t type = 0;
    std::uint32_t size = 8;  // "hardinfo" and its NUL need 9
    QCOMPARE(registry.queryValue(key, "PATH", type, buffer, size), kErrorMoreData);
    QCOMPARE(size, std::uint32_t{9});
    programs.install("kinfocenter");  // installed while the key is open: it counts
    QCOMPARE(registry.queryValue(key, "PATH", type, buffer, size), kErrorMoreData);
    QCOMPARE(size, std::uint32_t{12});
    size = buffer.size();
    QCOMPARE(registry.queryValue(key, "MSINFO", type, buffer, size), kErrorFileNotFound);
    QCOMPARE(registry.queryValue(key + 1, "PATH", type, buffer, size), kErrorInvalidHandle);

    QCOMPARE(registry.close(key), kErrorSuccess);
    QCOMPARE(registry.close(key), kErrorInvalidHandle);
    QCOMPARE(registry.queryValue(key, "PATH", type, buffer, size), kErrorInvalidHandle);
}

QTEST_GUILESS_MAIN(DesktopRegistryTest)
#include "test_desktopregistry.moc"
