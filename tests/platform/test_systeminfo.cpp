// SPDX-License-Identifier: GPL-3.0-or-later
// The System Info command: reading registry values and the order in which
// the two entries are tried, over a made-up registry and disk.
#include <QtTest>
#include <optional>
#include <string>

#include "FakeLauncher.h"
#include "FakeRegistry.h"
#include "SystemInfo.h"

using namespace tenebrix::platform;
using tenebrix::testing::FakeLauncher;
using tenebrix::testing::FakeRegistry;

namespace {

// Written out here rather than taken from the code, so a misspelt key fails:
// the fake registry matches key paths and value names exactly.
const std::string kPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string kFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

// Every key was opened with full access and closed again exactly once.
void verifyKeysClosed(const FakeRegistry& registry) {
    for (const auto accessMask : registry.openAccessMasks) {
        QCOMPARE(accessMask, std::uint32_t{0x2003F});
    }
    QVERIFY(registry.openKeys.empty());
    QCOMPARE(registry.closes, static_cast<int>(registry.openAccessMasks.size()));
}

}  // namespace

class SystemInfoTest : public QObject {
    Q_OBJECT
  private slots:
    void readsAValueByItsType_data();
    void readsAValueByItsType();
    void startsTheToolFromTheFirstEntryThatGivesOne_data();
    void startsTheToolFromTheFirstEntryThatGivesOne();
};

void SystemInfoTest::readsAValueByItsType_data() {
    QTest::addColumn<uint>("type");
    QTest::addColumn<QByteArray>("data");  // null: no such key
    QTest::addColumn<bool>("found");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("text with its final NUL") << 1u << QByteArray("C:\\Tools\\info.exe\0", 18)
                                             << true << QByteArray("C:\\Tools\\info.exe");
    QTest::newRow("text without a final NUL loses nothing")
        << 1u << QByteArray("C:\\Tools\\info.exe") << true << QByteArray("C:\\Tools\\info.exe");
    QTest::newRow("only the last NUL goes")
        << 1u << QByteArray("ab\0\0", 4) << true << QByteArray("ab\0", 3);
    QTest::newRow("exactly 1024 bytes fit")
        << 1u << QByteArray(1024, 'x') << true << QByteArray(1024, 'x');
    // A stored 26 is 1A 00 00 00; its last byte goes as a NUL, leaving the hex
    // digits "0","0","1A" last byte first: 0x1A.
    QTest::newRow("number 26") << 4u << QByteArray("\x1a\0\0\0", 4) << true << QByteArray("26");
    QTest::newRow("number digits without leading zeros")
        << 4u << QByteArray("\x05\x01\0\0", 4) << true << QByteArray("21");
    QTest::newRow("binary keeps the old text")
        << 3u << QByteArray("\x01\x02", 2) << true << QByteArray("old");
    QTest::newRow("no such key empties the text") << 1u << QByteArray() << false << QByteArray();
}

void SystemInfoTest::readsAValueByItsType() {
    QFETCH(uint, type);
    QFETCH(QByteArray, data);
    QFETCH(bool, found);
    QFETCH(QByteArray, expected);
    FakeRegistry registry;
    if (!data.isNull()) {
        registry.setValue(kHkeyLocalMachine, "SOFTWARE\\Test", "Value", {type, data.toStdString()});
    }

    std::string value = "old";
    QCOMPARE(GetKeyValue(registry, kHkeyLocalMachine, "SOFTWARE\\Test", "Value", value), found);
    QCOMPARE(QByteArray::fromStdString(value), expected);
    verifyKeysClosed(registry);
}

void SystemInfoTest::startsTheToolFromTheFirstEntryThatGivesOne_data() {
    QTest::addColumn<QByteArray>("entry1");  // the PATH value; null: absent
    QTest::addColumn<QByteArray>("entry2");  // the MSINFO value; null: absent
    QTest::addColumn<QStringList>("filesOnDisk");
    QTest::addColumn<QStringList>("launches");
    QTest::addColumn<bool>("showsMessage");

    const QByteArray tool("C:\\Tools\\MSINFO\\MSINFO32.EXE\0", 29);
    const QString toolPath = "C:\\Tools\\MSINFO\\MSINFO32.EXE";
    const QByteArray folder("C:\\Shared\\MSINFO\0", 17);
    const QString inFolder = "C:\\Shared\\MSINFO\\MSINFO32.EXE";
    const QByteArray none;
    const QStringList bothOnDisk{toolPath, inFolder};

    QTest::newRow("neither entry") << none << none << bothOnDisk << QStringList{} << true;
    QTest::newRow("entry 1 launched as it stands")
        << tool << folder << bothOnDisk << QStringList{toolPath} << false;
    QTest::newRow("entry 1 missing on disk: message, entry 2 not tried")
        << tool << folder << QStringList{inFolder} << QStringList{toolPath} << true;
    QTest::newRow("only entry 2, tool in its folder")
        << none << folder << bothOnDisk << QStringList{inFolder} << false;
    QTest::newRow("only entry 2, folder without the tool")
        << none << folder << QStringList{toolPath} << QStringList{} << true;
    QTest::newRow("entry 1 over 1024 bytes counts as absent")
        << QByteArray(1100, 'p') << folder << bothOnDisk << QStringList{inFolder} << false;
    QTest::newRow("entry 1 of size 0 ends in the message")
        << QByteArray("") << folder << bothOnDisk << QStringList{} << true;
}

void SystemInfoTest::startsTheToolFromTheFirstEntryThatGivesOne() {
    QFETCH(QByteArray, entry1);
    QFETCH(QByteArray, entry2);
    QFETCH(QStringList, filesOnDisk);
    QFETCH(QStringList, launches);
    QFETCH(bool, showsMessage);
    FakeRegistry registry;
    if (!entry1.isNull()) {
        registry.setValue(kHkeyLocalMachine, kPathKey, "PATH", {1, entry1.toStdString()});
    }
    if (!entry2.isNull()) {
        registry.setValue(kHkeyLocalMachine, kFolderKey, "MSINFO", {1, entry2.toStdString()});
    }
    FakeLauncher launcher;
    for (const QString& file : filesOnDisk) {
        launcher.existingFiles.insert(file.toStdString());
    }

    const auto message = StartSysInfo(registry, launcher);

    QStringList launched;
    for (const auto& path : launcher.launched) {
        launched << QString::fromStdString(path);
    }
    QCOMPARE(launched, launches);
    verifyKeysClosed(registry);
    const tenebrix::Message unavailable{"System Information Is Unavailable At This Time",
                                        "Tenebrix", tenebrix::MessageButtons::Ok,
                                        tenebrix::MessageIcon::None};
    QCOMPARE(message, showsMessage ? std::optional(unavailable) : std::nullopt);
}

QTEST_GUILESS_MAIN(SystemInfoTest)
#include "test_systeminfo.moc"
