// The tenebrix-pictures tool: the 33 files it writes, and bad arguments
// answered with a message and a non-zero exit instead of a crash.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {
struct ToolRun {
    int exitCode = -1;
    QString errors;
};

ToolRun runTool(const QStringList& arguments) {
    QProcess tool;
    tool.start(TENEBRIX_PICTURES_TOOL, arguments);
    if (!tool.waitForFinished(60000) || tool.exitStatus() != QProcess::NormalExit) return {};
    return {tool.exitCode(), QString::fromLocal8Bit(tool.readAllStandardError())};
}

QStringList expectedFiles() {
    QStringList names;
    for (int i = 1; i <= 16; ++i) names << QString("tile%1.png").arg(i, 2, 10, QChar('0'));
    for (int i = 1; i <= 9; ++i) names << QString("mode%1.png").arg(i);
    for (int i = 0; i <= 5; ++i) names << QString("logo%1.png").arg(i);
    return names << "icon.png"
                 << "about.png";
}
}  // namespace

class TestPicturesTool : public QObject {
    Q_OBJECT

  private slots:
    void writesEveryPicture_data() {
        QTest::addColumn<QStringList>("scaleArguments");
        QTest::addColumn<int>("scale");
        QTest::newRow("default") << QStringList() << 1;
        QTest::newRow("--scale 3") << QStringList{"--scale", "3"} << 3;
        QTest::newRow("--scale=2") << QStringList{"--scale=2"} << 2;
    }

    void writesEveryPicture() {
        QFETCH(QStringList, scaleArguments);
        QFETCH(int, scale);
        QTemporaryDir temporary;
        const QString outDir = temporary.filePath("new/pictures");  // made by the tool
        const ToolRun run = runTool(QStringList{outDir} + scaleArguments);
        QCOMPARE(run.exitCode, 0);
        const QStringList written = QDir(outDir).entryList(QDir::Files, QDir::Name);
        QCOMPARE(written.size(), 33);
        for (const QString& name : expectedFiles())
            QVERIFY2(written.contains(name), qPrintable(name));
        QCOMPARE(QImage(outDir + "/tile01.png").size(), QSize(32, 32) * scale);
        QCOMPARE(QImage(outDir + "/mode9.png").size(), QSize(55, 55) * scale);
        QCOMPARE(QImage(outDir + "/logo5.png").size(), QSize(121, 121) * scale);
        QCOMPARE(QImage(outDir + "/about.png").size(), QSize(28, 28) * scale);
        const QImage icon(outDir + "/icon.png");
        QCOMPARE(icon.size(), QSize(32, 32) * scale);
        QCOMPARE(icon.pixelColor(31 * scale, 0), QColor(Qt::black));
        QCOMPARE(QImage(outDir + "/tile02.png").pixelColor(0, 0).alpha(), 0);
    }

    void badArgumentsAreRefused_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("nothing") << QStringList();
        QTest::newRow("two directories") << QStringList{"a", "b"};
        QTest::newRow("scale 0") << QStringList{"out", "--scale", "0"};
        QTest::newRow("negative scale") << QStringList{"out", "--scale", "-2"};
        QTest::newRow("scale not a number") << QStringList{"out", "--scale", "big"};
        QTest::newRow("scale too large") << QStringList{"out", "--scale", "100000"};
        QTest::newRow("scale without value") << QStringList{"out", "--scale"};
        QTest::newRow("unknown option") << QStringList{"out", "--colour"};
    }

    void badArgumentsAreRefused() {
        QFETCH(QStringList, arguments);
        const ToolRun run = runTool(arguments);
        QCOMPARE(run.exitCode, 2);
        QVERIFY(!run.errors.isEmpty());
    }

    void unwritableDirectoryIsReported() {
        QTemporaryDir temporary;
        QFile blocker(temporary.filePath("file"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const ToolRun run = runTool({temporary.filePath("file/pictures")});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.errors.contains("file/pictures"));
    }
};

QTEST_GUILESS_MAIN(TestPicturesTool)
#include "test_picturestool.moc"
