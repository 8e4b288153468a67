// The System Info command: reading registry values and the order in which
// the two entries are tried, over a made-up registry and disk.
#include <QtTest>
#include <string>

#include "FakeLauncher.h"
#include "FakeMessageSink.h"
#include "FakeRegistry.h"
#include "SystemInfo.h"

using namespace tenebrix::platform;
using tenebrix::testing::FakeLauncher;
using tenebrix::testing::FakeMessageSink;
using tenebrix::testing::FakeRegistry;

namespace {

// Written out here rather than taken from the code, so a misspelt key fails.
const std::string kPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string kFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const std::string kUnavailable = "System Information Is Unavailable At This Time";

QStringList asList(const std::vector<std::string>& texts) {
    QStringList list;
    for (const auto& text : texts) {
        list << QString::fromStdString(text);
    }
    return list;
}

std::string bytes(const QByteArray& data) {
    return data.toStdString();
}

// Every key that was opened has been closed, and each read closed once.
void verifyEveryKeyClosed(const FakeRegistry& registry) {
    QVERIFY(registry.openHandles.empty());
    QCOMPARE(registry.closes.size(), registry.opens.size());
}

}  // namespace

class SystemInfoTest : public QObject {
    Q_OBJECT
  private slots:
    void readsAValueByItsType_data();
    void readsAValueByItsType();
    void aFailedReadEmptiesTheText_data();
    void aFailedReadEmptiesTheText();
    void anUnusableValueIsARunTimeError_data();
    void anUnusableValueIsARunTimeError();
    void opensTheKeyUnderTheGivenRootWithFullAccess();
    void startsTheToolFromTheFirstEntryThatGivesOne_data();
    void startsTheToolFromTheFirstEntryThatGivesOne();
};

void SystemInfoTest::readsAValueByItsType_data() {
    QTest::addColumn<uint>("type");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("text with its final NUL")
        << 1u << QByteArray("C:\\Tools\\info.exe\0", 18) << QByteArray("C:\\Tools\\info.exe");
    QTest::newRow("text without a final NUL loses nothing")
        << 1u << QByteArray("C:\\Tools\\info.exe") << QByteArray("C:\\Tools\\info.exe");
    QTest::newRow("only the last NUL goes")
        << 1u << QByteArray("ab\0\0", 4) << QByteArray("ab\0", 3);
    QTest::newRow("a single NUL is the empty text") << 1u << QByteArray(1, '\0') << QByteArray();
    QTest::newRow("exactly 1024 bytes fit") << 1u << QByteArray(1024, 'x') << QByteArray(1024, 'x');
    QTest::newRow("1024 bytes ending in NUL")
        << 1u << QByteArray(1023, 'y').append('\0') << QByteArray(1023, 'y');
    // Number values: each byte's hex digits without a leading zero, last byte
    // first, read as a hex number. The stored NUL-free 26 is 1A 00 00 00; its
    // last byte goes as a NUL, leaving "0","0","1A": 0x1A.
    QTest::newRow("number 26") << 4u << QByteArray("\x1a\0\0\0", 4) << QByteArray("26");
    QTest::newRow("bytes 05 01 read as 0x15")
        << 4u << QByteArray("\x05\x01\0\0", 4) << QByteArray("21");
    QTest::newRow("number without NUL at the end")
        << 4u << QByteArray("\xff\xff\xff\x7f", 4) << QByteArray("2147483647");
    QTest::newRow("number of zeros") << 4u << QByteArray("\0\0\0\0", 4) << QByteArray("0");
    QTest::newRow("number from a text") << 4u << QByteArray("AB") << QByteArray("16961");
    QTest::newRow("binary keeps the old text")
        << 3u << QByteArray("\x01\x02", 2) << QByteArray("old");
    QTest::newRow("expandable text keeps the old text")
        << 2u << QByteArray("%WINDIR%\0", 9) << QByteArray("old");
}

void SystemInfoTest::readsAValueByItsType() {
    QFETCH(uint, type);
    QFETCH(QByteArray, data);
    QFETCH(QByteArray, expected);
    FakeRegistry registry;
    registry.setValue(kHkeyLocalMachine, "SOFTWARE\\Test", "Value", {type, bytes(data)});

    std::string value = "old";
    QVERIFY(GetKeyValue(registry, kHkeyLocalMachine, "SOFTWARE\\Test", "Value", value));
    QCOMPARE(QByteArray::fromStdString(value), expected);
    QCOMPARE(registry.queries, std::vector<std::string>{"Value"});
    QCOMPARE(registry.closes, std::vector<RegistryHandle>{0x100});
    verifyEveryKeyClosed(registry);
}

void SystemInfoTest::aFailedReadEmptiesTheText_data() {
    QTest::addColumn<QString>("keyPath");
    QTest::addColumn<QString>("valueName");
    QTest::addColumn<int>("keysOpened");

    QTest::newRow("no such key") << "SOFTWARE\\Elsewhere"
                                 << "Value" << 0;
    QTest::newRow("no such value") << "SOFTWARE\\Test"
                                   << "Other" << 1;
    QTest::newRow("more than 1024 bytes") << "SOFTWARE\\Test"
                                          << "Large" << 1;
}

void SystemInfoTest::aFailedReadEmptiesTheText() {
    QFETCH(QString, keyPath);
    QFETCH(QString, valueName);
    QFETCH(int, keysOpened);
    FakeRegistry registry;
    registry.setText(kHkeyLocalMachine, "SOFTWARE\\Test", "Value", "text");
    registry.setValue(kHkeyLocalMachine, "SOFTWARE\\Test", "Large", {1, std::string(1025, 'x')});

    std::string value = "old";
    QVERIFY(!GetKeyValue(registry, kHkeyLocalMachine, keyPath.toStdString(),
                         valueName.toStdString(), value));
    QCOMPARE(value, std::string());
    // The close comes on the failed open too, with the handle it left: 0.
    QCOMPARE(registry.closes.size(), std::size_t{1});
    QCOMPARE(registry.closes.front(), keysOpened == 1 ? RegistryHandle{0x100} : RegistryHandle{0});
    QVERIFY(registry.openHandles.empty());
}

void SystemInfoTest::anUnusableValueIsARunTimeError_data() {
    QTest::addColumn<uint>("type");
    QTest::addColumn<QByteArray>("data");

    QTest::newRow("text of size 0") << 1u << QByteArray();
    QTest::newRow("binary of size 0") << 3u << QByteArray();
    QTest::newRow("number with no digits left") << 4u << QByteArray(1, '\0');
    QTest::newRow("number past 64 bits") << 4u << QByteArray(9, '\x7f');
}

void SystemInfoTest::anUnusableValueIsARunTimeError() {
    QFETCH(uint, type);
    QFETCH(QByteArray, data);
    FakeRegistry registry;
    registry.setValue(kHkeyLocalMachine, "SOFTWARE\\Test", "Value", {type, bytes(data)});

    std::string value = "old";
    QVERIFY_THROWS_EXCEPTION(RegistryValueError, GetKeyValue(registry, kHkeyLocalMachine,
                                                             "SOFTWARE\\Test", "Value", value));
    QCOMPARE(registry.closes, std::vector<RegistryHandle>{0x100});
    verifyEveryKeyClosed(registry);
}

void SystemInfoTest::opensTheKeyUnderTheGivenRootWithFullAccess() {
    FakeRegistry registry;
    registry.setText(kHkeyCurrentUser, "SOFTWARE\\Test", "Value", "user");
    registry.setText(kHkeyLocalMachine, "SOFTWARE\\Test", "Value", "machine");

    std::string value;
    QVERIFY(GetKeyValue(registry, kHkeyCurrentUser, "SOFTWARE\\Test", "Value", value));
    QCOMPARE(value, std::string("user"));
    QCOMPARE(registry.opens.size(), std::size_t{1});
    QCOMPARE(registry.opens.front().root, kHkeyCurrentUser);
    QCOMPARE(registry.opens.front().accessMask, std::uint32_t{0x2003F});
}

void SystemInfoTest::startsTheToolFromTheFirstEntryThatGivesOne_data() {
    QTest::addColumn<QByteArray>("entry1");  // the PATH value; null: absent
    QTest::addColumn<uint>("entry1Type");
    QTest::addColumn<QByteArray>("entry2");  // the MSINFO value; null: absent
    QTest::addColumn<QStringList>("filesOnDisk");
    QTest::addColumn<QStringList>("expectedLaunches");
    QTest::addColumn<QStringList>("expectedExistenceTests");
    QTest::addColumn<int>("expectedKeysOpened");
    QTest::addColumn<QStringList>("expectedQueries");
    QTest::addColumn<bool>("expectMessage");

    const QByteArray tool("C:\\Tools\\MSINFO\\MSINFO32.EXE\0", 29);
    const QString toolPath = "C:\\Tools\\MSINFO\\MSINFO32.EXE";
    const QByteArray folder("C:\\Shared\\MSINFO\0", 17);
    const QString inFolder = "C:\\Shared\\MSINFO\\MSINFO32.EXE";
    const QByteArray none;

    QTest::newRow("neither entry") << none << 1u << none << QStringList{inFolder} << QStringList{}
                                   << QStringList{} << 2 << QStringList{} << true;
    QTest::newRow("entry 1 launched as it stands")
        << tool << 1u << folder << QStringList{toolPath, inFolder} << QStringList{toolPath}
        << QStringList{} << 1 << QStringList{"PATH"} << false;
    QTest::newRow("entry 1 missing on disk: message, entry 2 not tried")
        << tool << 1u << folder << QStringList{inFolder} << QStringList{toolPath} << QStringList{}
        << 1 << QStringList{"PATH"} << true;
    QTest::newRow("entry 1 without final NUL")
        << QByteArray("/usr/bin/sysinfo") << 1u << none << QStringList{"/usr/bin/sysinfo"}
        << QStringList{"/usr/bin/sysinfo"} << QStringList{} << 1 << QStringList{"PATH"} << false;
    QTest::newRow("only entry 2, tool in its folder")
        << none << 1u << folder << QStringList{inFolder} << QStringList{inFolder}
        << QStringList{inFolder} << 2 << QStringList{"MSINFO"} << false;
    QTest::newRow("only entry 2, folder without the tool")
        << none << 1u << folder << QStringList{"C:\\Shared\\MSINFO"} << QStringList{}
        << QStringList{inFolder} << 2 << QStringList{"MSINFO"} << true;
    QTest::newRow("entry 2 stored without final NUL")
        << none << 1u << QByteArray("C:\\Shared\\MSINFO") << QStringList{inFolder}
        << QStringList{inFolder} << QStringList{inFolder} << 2 << QStringList{"MSINFO"} << false;
    QTest::newRow("entry 1 over 1024 bytes counts as absent")
        << QByteArray(1100, 'p') << 1u << folder << QStringList{inFolder} << QStringList{inFolder}
        << QStringList{inFolder} << 2 << QStringList{"PATH", "MSINFO"} << false;
    QTest::newRow("entry 1 of size 0 ends in the message")
        << QByteArray("") << 1u << folder << QStringList{inFolder} << QStringList{} << QStringList{}
        << 1 << QStringList{"PATH"} << true;
    QTest::newRow("entry 1 a number: its text names no program")
        << QByteArray("\x1a\0\0\0", 4) << 4u << folder << QStringList{inFolder} << QStringList{"26"}
        << QStringList{} << 1 << QStringList{"PATH"} << true;
    QTest::newRow("entry 1 of another type gives an empty path")
        << QByteArray("\x01", 1) << 3u << folder << QStringList{inFolder} << QStringList{""}
        << QStringList{} << 1 << QStringList{"PATH"} << true;
}

void SystemInfoTest::startsTheToolFromTheFirstEntryThatGivesOne() {
    QFETCH(QByteArray, entry1);
    QFETCH(uint, entry1Type);
    QFETCH(QByteArray, entry2);
    QFETCH(QStringList, filesOnDisk);
    QFETCH(QStringList, expectedLaunches);
    QFETCH(QStringList, expectedExistenceTests);
    QFETCH(int, expectedKeysOpened);
    QFETCH(QStringList, expectedQueries);
    QFETCH(bool, expectMessage);
    FakeRegistry registry;
    if (!entry1.isNull()) {
        registry.setValue(kHkeyLocalMachine, kPathKey, "PATH", {entry1Type, bytes(entry1)});
    }
    if (!entry2.isNull()) {
        registry.setValue(kHkeyLocalMachine, kFolderKey, "MSINFO", {1, bytes(entry2)});
    }
    FakeLauncher launcher;
    for (const QString& file : filesOnDisk) {
        launcher.existingFiles.insert(file.toStdString());
    }
    FakeMessageSink messages;

    StartSysInfo(registry, launcher, messages);

    QCOMPARE(asList(launcher.launched), expectedLaunches);
    QCOMPARE(asList(launcher.existenceTests), expectedExistenceTests);
    QCOMPARE(registry.opens.size(), std::size_t(expectedKeysOpened));
    QCOMPARE(registry.opens.front().keyPath, kPathKey);
    if (expectedKeysOpened == 2) {
        QCOMPARE(registry.opens.back().keyPath, kFolderKey);
    }
    QCOMPARE(asList(registry.queries), expectedQueries);
    QCOMPARE(registry.opens.front().root, kHkeyLocalMachine);
    verifyEveryKeyClosed(registry);
    QCOMPARE(messages.shown.size(), std::size_t(expectMessage ? 1 : 0));
    if (expectMessage) {
        QCOMPARE(messages.shown.front().text, kUnavailable);
        QCOMPARE(messages.shown.front().title, std::string("Tenebrix"));
    }
}

QTEST_GUILESS_MAIN(SystemInfoTest)
#include "test_systeminfo.moc"
