// SPDX-License-Identifier: GPL-3.0-or-later
// The System Info command: reading registry values and the order in which
// the two entries are tried, over a made-up registry and disk.
#include <QtTest>

#include "FakeLauncher.h"
#include "FakeRegistry.h"
#include "SystemInfo.h"

using namespace tenebrix;
using namespace tenebrix::platform;
using namespace tenebrix::testing;

class SystemInfoTest : public QObject {
    Q_OBJECT
  private slots:
    void readsAValueByItsType_data() {
        QTest::addColumn<uint>("type");
        QTest::addColumn<QByteArray>("data");  // null: no such key
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("text with its final NUL")
            << 1u << QByteArray("C:\\Tools\\info.exe\0", 18) << QByteArray("C:\\Tools\\info.exe");
        QTest::newRow("text without a final NUL loses nothing")
            << 1u << QByteArray("C:\\Tools\\info.exe") << QByteArray("C:\\Tools\\info.exe");
        QTest::newRow("only the last NUL goes")
            << 1u << QByteArray("ab\0\0", 4) << QByteArray("ab\0", 3);
        QTest::newRow("exactly 1024 bytes fit")
            << 1u << QByteArray(1024, 'x') << QByteArray(1024, 'x');
        // 05 01 00 00 less its NUL, in hex digits last byte first, no leading zeros: 0x015.
        QTest::newRow("number") << 4u << QByteArray("\x05\x01\0\0", 4) << QByteArray("21");
        // AB CD 00: 0x0CDAB, digits past 9 read as hex.
        QTest::newRow("number with letters")
            << 4u << QByteArray("\xAB\xCD\0\0", 4) << QByteArray("52651");
        QTest::newRow("the largest number, all 64 bits")
            << 4u << QByteArray("\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\0", 9)
            << QByteArray("18446744073709551615");
        QTest::newRow("binary keeps the old text")
            << 3u << QByteArray("\x01\x02", 2) << QByteArray("old");
        QTest::newRow("no such key empties the text") << 1u << QByteArray() << QByteArray();
    }
    void readsAValueByItsType() {
        QFETCH(uint, type);
        QFETCH(QByteArray, data);
        QFETCH(QByteArray, expected);
        FakeRegistry registry;
        if (!data.isNull())
            registry.values[{"SOFTWARE\\Test", "Value"}] = {type, data.toStdString()};
        std::string value = "old";
        QCOMPARE(GetKeyValue(registry, kHkeyLocalMachine, "SOFTWARE\\Test", "Value", value),
                 !data.isNull());
        QCOMPARE(QByteArray::fromStdString(value), expected);
        QVERIFY(registry.openKeys.empty());
    }

    void startsTheToolFromTheFirstEntryThatGivesOne_data() {
        QTest::addColumn<QString>("entry1");  // the PATH value; null: absent
        QTest::addColumn<QString>("entry2");  // the MSINFO value; null: absent
        QTest::addColumn<QStringList>("filesOnDisk");
        QTest::addColumn<QStringList>("launches");  // empty: the message instead
        const QString toolPath = "C:\\Tools\\MSINFO\\MSINFO32.EXE", folder = "C:\\Shared\\MSINFO";
        const QString inFolder = folder + "\\MSINFO32.EXE", none;
        const QStringList both{toolPath, inFolder};
        QTest::newRow("neither entry") << none << none << both << QStringList{};
        QTest::newRow("entry 1 launched as it stands")
            << toolPath << folder << both << QStringList{toolPath};
        QTest::newRow("entry 1 missing on disk: message, entry 2 not tried")
            << toolPath << folder << QStringList{inFolder} << QStringList{toolPath};
        QTest::newRow("only entry 2, tool in its folder")
            << none << folder << both << QStringList{inFolder};
        QTest::newRow("only entry 2, folder without the tool")
            << none << folder << QStringList{toolPath} << QStringList{};
        QTest::newRow("entry 1 over 1024 bytes counts as absent")
            << QString(1100, 'p') << folder << both << QStringList{inFolder};
        QTest::newRow("entry 1 of size 0 ends in the message")
            << QString("") << folder << both << QStringList{};
    }
    void startsTheToolFromTheFirstEntryThatGivesOne() {
        QFETCH(QString, entry1);
        QFETCH(QString, entry2);
        QFETCH(QStringList, filesOnDisk);
        QFETCH(QStringList, launches);
        // Key names written out here, not taken from the code, so a misspelt one fails.
        FakeRegistry registry;
        const auto store = [&registry](const char* key, const char* name, const QString& entry) {
            if (!entry.isNull()) registry.values[{key, name}] = {kRegSz, entry.toStdString()};
        };
        store("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", entry1);
        store("SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO", entry2);
        FakeLauncher launcher;
        for (const QString& file : filesOnDisk) launcher.existingFiles.insert(file.toStdString());

        const auto message = StartSysInfo(registry, launcher);

        QStringList launched;
        for (const auto& path : launcher.launched) launched << QString::fromStdString(path);
        QCOMPARE(launched, launches);
        QVERIFY(registry.openKeys.empty());
        // A launch that failed ends in the message too.
        const bool started = !launches.isEmpty() && filesOnDisk.contains(launches.last());
        const Message unavailable{"System Information Is Unavailable At This Time", "Tenebrix",
                                  MessageButtons::Ok, MessageIcon::None};
        QCOMPARE(message, started ? std::nullopt : std::optional(unavailable));
    }
};

QTEST_GUILESS_MAIN(SystemInfoTest)
#include "test_systeminfo.moc"
