// SPDX-License-Identifier: GPL-3.0-or-later
// The registry stand-in file: what it holds, as the System Info command reads
// it, and that a bad file fails clearly instead of half-working.
#include <QtTest>
#include <string>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

#include "FileRegistry.h"
#include "SystemInfo.h"

using namespace tenebrix::platform;

namespace {

const std::string kMsinfo = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";

// Written by hand on another system: a byte-order mark and CR LF line ends.
QByteArray sampleFile() {
    QByteArray text =
        "\xEF\xBB\xBF; Where the desktop keeps its system information tool\r\n"
        "\r\n"
        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO]\r\n"
        "\"PATH\"=\"/usr/bin/sys info\"\r\n"
        "# the same value again: the last one counts\n"
        "  \"Quoted\" = \"say \\\"hi\\\" to C:\\\\Tools\"\n"
        "\"Quoted\"=\"C:\\\\Tools\"\n"
        "\"Count\"=dword:0000001a\n"
        "\"Blob\"=hex:41, 42,0\n"
        "\"Bare\"=hex(1):41,42\n"
        "\"Over\"=hex(1):61";
    for (int i = 0; i < 1024; ++i) {
        text += ",61";
    }
    return text + "\n[hkey_current_user\\Software\\Tenebrix]\n\"PATH\"=\"user\"\n";
}

void writeFile(const QString& path, const QByteArray& text) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

}  // namespace

class FileRegistryTest : public QObject {
    Q_OBJECT
  private slots:
    void readsWhatTheFileHolds_data();
    void readsWhatTheFileHolds();
    void aMalformedLineFailsTheWholeFile_data();
    void aMalformedLineFailsTheWholeFile();
    void onlyARegularFileIsReadAndNothingWaits();
};

// Read the way the System Info command reads it.
void FileRegistryTest::readsWhatTheFileHolds_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("expected");

    const QString msinfo = QString::fromStdString(kMsinfo);
    QTest::newRow("text") << msinfo << "PATH" << true << "/usr/bin/sys info";
    QTest::newRow("names ignore case") << msinfo.toLower() << "path" << true << "/usr/bin/sys info";
    QTest::newRow("escapes, and the last of two wins") << msinfo << "Quoted" << true << "C:\\Tools";
    QTest::newRow("number, low byte first") << msinfo << "Count" << true << "26";
    QTest::newRow("raw bytes are no text") << msinfo << "Blob" << true << "old";
    QTest::newRow("text without NUL") << msinfo << "Bare" << true << "AB";
    QTest::newRow("no such value") << msinfo << "Nothing" << false << "";
    QTest::newRow("key of another root") << "Software\\Tenebrix"
                                         << "PATH" << false << "";
    QTest::newRow("1025 bytes do not fit") << msinfo << "Over" << false << "";
}

void FileRegistryTest::readsWhatTheFileHolds() {
    QFETCH(QString, key);
    QFETCH(QString, name);
    QFETCH(bool, found);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    writeFile(dir.filePath("sysinfo.reg"), sampleFile());
    FileRegistry registry(dir.filePath("sysinfo.reg"));

    std::string value = "old";
    QCOMPARE(GetKeyValue(registry, kHkeyLocalMachine, key.toStdString(), name.toStdString(), value),
             found);
    QCOMPARE(QString::fromStdString(value), expected);
}

void FileRegistryTest::aMalformedLineFailsTheWholeFile_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("reason");

    QTest::newRow("garbage") << QByteArray("PATH=/usr/bin") << "a line must be";
    QTest::newRow("unknown root") << QByteArray("[HKEY_SOMEWHERE\\Key]") << "unknown root key";
    QTest::newRow("key without ]") << QByteArray("[HKEY_LOCAL_MACHINE\\Key") << "must end in ']'";
    // Found by fuzzing: accepted once, as a key no lookup could ever name.
    QTest::newRow("empty first key part")
        << QByteArray("[HKEY_LOCAL_MACHINE\\\\SOFTWARE]") << "empty part";
    QTest::newRow("unclosed text") << QByteArray("\"PATH\"=\"x") << "missing closing quote";
    QTest::newRow("single backslash") << QByteArray("\"PATH\"=\"C:\\Tools\"") << "backslash";
    QTest::newRow("dword too long") << QByteArray("\"N\"=dword:123456789") << "1 to 8 hex";
    QTest::newRow("byte not hex") << QByteArray("\"B\"=hex:41,4g") << "hex pairs";
}

void FileRegistryTest::aMalformedLineFailsTheWholeFile() {
    QFETCH(QByteArray, line);
    QFETCH(QString, reason);
    // The bad line comes third, after a good key and value that must not be
    // served on their own.
    const QByteArray text = "[HKEY_LOCAL_MACHINE\\Key]\n\"Good\"=\"yes\"\n" + line + "\n";

    const RegistryFileContents contents = parseRegistryFile(text.toStdString());
    QCOMPARE(contents.errorLine, 3);
    QVERIFY2(QString::fromStdString(contents.error).contains(reason), contents.error.c_str());

    QTemporaryDir dir;
    const QString path = dir.filePath("sysinfo.reg");
    writeFile(path, text);
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QRegularExpression::escape(path + ":3: ")));
    RegistryHandle handle = 99;
    QCOMPARE(FileRegistry(path).open(kHkeyLocalMachine, "Key", kKeyAllAccess, handle), kErrorBadDb);
    QCOMPARE(handle, RegistryHandle{0});
}

// A missing file simply holds no keys; a folder or a pipe is refused at once,
// since opening a pipe for reading would wait for a writer that never comes.
void FileRegistryTest::onlyARegularFileIsReadAndNothingWaits() {
    QTemporaryDir dir;
    RegistryHandle handle = 99;
    FileRegistry absent(dir.filePath("absent.reg"));
    QCOMPARE(absent.open(kHkeyLocalMachine, kMsinfo, kKeyAllAccess, handle), kErrorFileNotFound);
    QCOMPARE(handle, RegistryHandle{0});

    QStringList refused{dir.path()};
#ifdef Q_OS_UNIX
    const QString pipe = dir.filePath("pipe.reg");
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    refused << pipe;
#endif
    for (const QString& path : refused) {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("not a registry file"));
        FileRegistry registry(path);
        QCOMPARE(registry.open(kHkeyLocalMachine, kMsinfo, kKeyAllAccess, handle), kErrorBadDb);
    }
}

QTEST_GUILESS_MAIN(FileRegistryTest)
#include "test_fileregistry.moc"
