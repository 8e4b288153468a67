// The registry stand-in file: what it holds, how it is read through the
// registry calls, and that a bad file fails clearly instead of half-working.
#include <QtTest>
#include <array>
#include <string>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

#include "FileRegistry.h"
#include "SystemInfo.h"

using namespace tenebrix::platform;

namespace {

const char* const kSampleFile =
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
    "\"Empty\"=hex(1):\n"
    "@=\"unnamed\"\n"
    "[hkey_current_user\\Software\\Tenebrix]\n"
    "\"PATH\"=\"user\"\n";

class TempRegistryFile {
  public:
    explicit TempRegistryFile(const QByteArray& text) {
        QFile file(path());
        if (file.open(QIODevice::WriteOnly)) {
            file.write(text);
        }
    }
    QString path() const { return m_dir.filePath("sysinfo.reg"); }

  private:
    QTemporaryDir m_dir;
};

struct Read {
    long status = -1;
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    std::string data;
};

Read readValue(Registry& registry, RegistryHandle root, const std::string& key,
               const std::string& name, std::uint32_t capacity = 1024) {
    Read read;
    RegistryHandle handle = 0;
    read.status = registry.open(root, key, kKeyAllAccess, handle);
    if (read.status != kErrorSuccess) {
        return read;
    }
    std::array<char, 1024> buffer{};
    read.size = capacity;
    read.status = registry.queryValue(handle, name, read.type, buffer, read.size);
    if (read.status == kErrorSuccess) {
        read.data.assign(buffer.data(), read.size);
    }
    registry.close(handle);
    return read;
}

const std::string kMsinfo = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";

}  // namespace

class FileRegistryTest : public QObject {
    Q_OBJECT
  private slots:
    void readsEveryKindOfValue_data();
    void readsEveryKindOfValue();
    void missingThingsAreNotFound();
    void aValueLargerThanTheBufferFailsAndTellsItsSize();
    void handlesAreClosedOnce();
    void aMalformedLineFailsTheWholeFile_data();
    void aMalformedLineFailsTheWholeFile();
    void aValueNeedsAKeyAboveIt();
    void somethingOtherThanAFileFailsWithoutWaiting();
    void theEnvironmentNamesTheFile();
    void feedsTheSystemInfoCommand();
};

void FileRegistryTest::readsEveryKindOfValue_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("name");
    QTest::addColumn<uint>("type");
    QTest::addColumn<QByteArray>("data");

    const QString msinfo = QString::fromStdString(kMsinfo);
    QTest::newRow("text keeps its NUL")
        << msinfo << "PATH" << 1u << QByteArray("/usr/bin/sys info\0", 18);
    QTest::newRow("names ignore case")
        << msinfo.toLower() << "path" << 1u << QByteArray("/usr/bin/sys info\0", 18);
    QTest::newRow("escapes, and the last of two wins")
        << msinfo << "Quoted" << 1u << QByteArray("C:\\Tools\0", 9);
    QTest::newRow("number, low byte first")
        << msinfo << "Count" << 4u << QByteArray("\x1a\0\0\0", 4);
    QTest::newRow("raw bytes") << msinfo << "Blob" << 3u << QByteArray("AB\0", 3);
    QTest::newRow("text without NUL") << msinfo << "Bare" << 1u << QByteArray("AB");
    QTest::newRow("empty value") << msinfo << "Empty" << 1u << QByteArray();
    QTest::newRow("unnamed value") << msinfo << "" << 1u << QByteArray("unnamed\0", 8);
}

void FileRegistryTest::readsEveryKindOfValue() {
    QFETCH(QString, key);
    QFETCH(QString, name);
    QFETCH(uint, type);
    QFETCH(QByteArray, data);
    TempRegistryFile file(kSampleFile);
    FileRegistry registry(file.path());

    const Read read = readValue(registry, kHkeyLocalMachine, key.toStdString(), name.toStdString());
    QCOMPARE(read.status, kErrorSuccess);
    QCOMPARE(read.type, type);
    QCOMPARE(read.size, std::uint32_t(data.size()));
    QCOMPARE(QByteArray::fromStdString(read.data), data);
}

void FileRegistryTest::missingThingsAreNotFound() {
    TempRegistryFile file(kSampleFile);
    FileRegistry registry(file.path());
    QCOMPARE(readValue(registry, kHkeyLocalMachine, kMsinfo, "Nothing").status, kErrorFileNotFound);
    QCOMPARE(readValue(registry, kHkeyLocalMachine, "SOFTWARE\\Nowhere", "PATH").status,
             kErrorFileNotFound);
    QCOMPARE(readValue(registry, kHkeyUsers, kMsinfo, "PATH").status, kErrorFileNotFound);
    // The parents of a listed key exist, without values.
    QCOMPARE(readValue(registry, kHkeyLocalMachine, "SOFTWARE\\Microsoft", "PATH").status,
             kErrorFileNotFound);
    RegistryHandle handle = 0;
    QCOMPARE(registry.open(kHkeyLocalMachine, "SOFTWARE\\Microsoft", kKeyAllAccess, handle),
             kErrorSuccess);
    QCOMPARE(registry.close(handle), kErrorSuccess);
    // The same path under another root is another key.
    QCOMPARE(readValue(registry, kHkeyCurrentUser, "Software\\Tenebrix", "PATH").data,
             std::string("user\0", 5));

    FileRegistry noFile(file.path() + ".absent");
    handle = 99;
    QCOMPARE(noFile.open(kHkeyLocalMachine, kMsinfo, kKeyAllAccess, handle), kErrorFileNotFound);
    QCOMPARE(handle, RegistryHandle{0});
}

void FileRegistryTest::aValueLargerThanTheBufferFailsAndTellsItsSize() {
    QByteArray text = "[HKEY_LOCAL_MACHINE\\Big]\n\"Fits\"=hex(1):";
    for (int i = 0; i < 1024; ++i) {
        text += i == 0 ? "61" : ",61";
    }
    text += "\n\"Over\"=hex(1):" + text.sliced(text.indexOf(':') + 1) + ",62\n";
    TempRegistryFile file(text);
    FileRegistry registry(file.path());

    const Read fits = readValue(registry, kHkeyLocalMachine, "Big", "Fits");
    QCOMPARE(fits.status, kErrorSuccess);
    QCOMPARE(fits.data, std::string(1024, 'a'));
    const Read over = readValue(registry, kHkeyLocalMachine, "Big", "Over");
    QCOMPARE(over.status, kErrorMoreData);
    QCOMPARE(over.size, std::uint32_t{1025});
    const Read smallBuffer = readValue(registry, kHkeyLocalMachine, "Big", "Fits", 10);
    QCOMPARE(smallBuffer.status, kErrorMoreData);
    QCOMPARE(smallBuffer.size, std::uint32_t{1024});
}

void FileRegistryTest::handlesAreClosedOnce() {
    TempRegistryFile file(kSampleFile);
    FileRegistry registry(file.path());
    RegistryHandle first = 0;
    RegistryHandle second = 0;
    QCOMPARE(registry.open(kHkeyLocalMachine, kMsinfo, kKeyAllAccess, first), kErrorSuccess);
    QCOMPARE(registry.open(kHkeyLocalMachine, kMsinfo, kKeyAllAccess, second), kErrorSuccess);
    QVERIFY(first != 0 && second != 0 && first != second);
    QCOMPARE(registry.close(first), kErrorSuccess);
    QCOMPARE(registry.close(first), kErrorInvalidHandle);
    QCOMPARE(registry.close(0), kErrorInvalidHandle);

    std::array<char, 1024> buffer{};
    std::uint32_t type = 0;
    std::uint32_t size = 1024;
    QCOMPARE(registry.queryValue(first, "PATH", type, buffer, size), kErrorInvalidHandle);
    QCOMPARE(registry.queryValue(second, "PATH", type, buffer, size), kErrorSuccess);
    QCOMPARE(registry.close(second), kErrorSuccess);
}

void FileRegistryTest::aMalformedLineFailsTheWholeFile_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("reason");

    QTest::newRow("garbage") << QByteArray("PATH=/usr/bin") << "a line must be";
    QTest::newRow("unknown root") << QByteArray("[HKEY_SOMEWHERE\\Key]") << "unknown root key";
    QTest::newRow("key without ]") << QByteArray("[HKEY_LOCAL_MACHINE\\Key") << "must end in ']'";
    QTest::newRow("empty key part") << QByteArray("[HKEY_LOCAL_MACHINE\\A\\\\B]") << "empty part";
    QTest::newRow("empty first key part")
        << QByteArray("[HKEY_LOCAL_MACHINE\\\\SOFTWARE]") << "empty part";
    QTest::newRow("unclosed text") << QByteArray("\"PATH\"=\"x") << "missing closing quote";
    QTest::newRow("single backslash") << QByteArray("\"PATH\"=\"C:\\Tools\"") << "backslash";
    QTest::newRow("text after the text") << QByteArray("\"PATH\"=\"x\" y") << "after the closing";
    QTest::newRow("no =") << QByteArray("\"PATH\" \"x\"") << "'=' expected";
    QTest::newRow("unknown data") << QByteArray("\"PATH\"=x") << "must be";
    QTest::newRow("dword too long") << QByteArray("\"N\"=dword:123456789") << "1 to 8 hex";
    QTest::newRow("byte not hex") << QByteArray("\"B\"=hex:41,4g") << "hex pairs";
    QTest::newRow("trailing comma") << QByteArray("\"B\"=hex:41,") << "end in a comma";
    QTest::newRow("bad type") << QByteArray("\"B\"=hex(zz):41") << "hex(t)";
}

void FileRegistryTest::aMalformedLineFailsTheWholeFile() {
    QFETCH(QByteArray, line);
    QFETCH(QString, reason);
    // The bad line comes third, after a good key and value that must not be
    // served on their own.
    const QByteArray text = "[HKEY_LOCAL_MACHINE\\Key]\n\"Good\"=\"yes\"\n" + line + "\n";
    TempRegistryFile file(text);

    const RegistryFileContents contents = parseRegistryFile(text.toStdString());
    QVERIFY(!contents.isValid());
    QCOMPARE(contents.errorLine, 3);
    QVERIFY2(QString::fromStdString(contents.error).contains(reason), contents.error.c_str());

    FileRegistry registry(file.path());
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QRegularExpression::escape(file.path() + ":3: ")));
    RegistryHandle handle = 99;
    QCOMPARE(registry.open(kHkeyLocalMachine, "Key", kKeyAllAccess, handle), kErrorBadDb);
    QCOMPARE(handle, RegistryHandle{0});
}

void FileRegistryTest::aValueNeedsAKeyAboveIt() {
    const RegistryFileContents contents = parseRegistryFile("; values first\n\"PATH\"=\"x\"\n");
    QCOMPARE(contents.errorLine, 2);
    QVERIFY(QString::fromStdString(contents.error).contains("before the first [key]"));
}

void FileRegistryTest::somethingOtherThanAFileFailsWithoutWaiting() {
    QTemporaryDir dir;
    FileRegistry folder(dir.path());
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("not a registry file"));
    RegistryHandle handle = 0;
    QCOMPARE(folder.open(kHkeyLocalMachine, kMsinfo, kKeyAllAccess, handle), kErrorBadDb);
#ifdef Q_OS_UNIX
    // Opening a pipe for reading would wait for a writer that never comes.
    const QString pipe = dir.filePath("pipe.reg");
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    FileRegistry fifo(pipe);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("not a registry file"));
    QCOMPARE(fifo.open(kHkeyLocalMachine, kMsinfo, kKeyAllAccess, handle), kErrorBadDb);
#endif
    QByteArray huge(2 * 1024 * 1024, ';');
    TempRegistryFile big(huge);
    FileRegistry tooLarge(big.path());
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("not a registry file"));
    QCOMPARE(tooLarge.open(kHkeyLocalMachine, kMsinfo, kKeyAllAccess, handle), kErrorBadDb);
}

void FileRegistryTest::theEnvironmentNamesTheFile() {
    const QByteArray saved = qgetenv("TENEBRIX_REGISTRY_FILE");
    qputenv("TENEBRIX_REGISTRY_FILE", "/somewhere/else.reg");
    QCOMPARE(FileRegistry::defaultFilePath(), QString("/somewhere/else.reg"));
    qputenv("TENEBRIX_REGISTRY_FILE", "");
    const QString built = FileRegistry::defaultFilePath();
    QVERIFY(built != QString("/somewhere/else.reg"));
    QVERIFY(!built.isEmpty());
    qputenv("TENEBRIX_REGISTRY_FILE", saved);
}

// The path of the first entry reaches the launcher exactly as the file has it.
void FileRegistryTest::feedsTheSystemInfoCommand() {
    TempRegistryFile file(kSampleFile);
    FileRegistry registry(file.path());
    std::string path = "old";
    QVERIFY(GetKeyValue(registry, kHkeyLocalMachine, kMsinfo, "PATH", path));
    QCOMPARE(path, std::string("/usr/bin/sys info"));
    QVERIFY(GetKeyValue(registry, kHkeyLocalMachine, kMsinfo, "Count", path));
    QCOMPARE(path, std::string("26"));
    QVERIFY(!GetKeyValue(registry, kHkeyLocalMachine, "SOFTWARE\\Nowhere", "PATH", path));
    QCOMPARE(path, std::string());
}

QTEST_GUILESS_MAIN(FileRegistryTest)
#include "test_fileregistry.moc"
