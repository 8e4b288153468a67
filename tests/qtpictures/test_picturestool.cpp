// SPDX-License-Identifier: GPL-3.0-or-later
// The tenebrix-pictures tool: the 33 files it writes, and bad arguments
// answered with a message and a non-zero exit instead of a crash.
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {
// The exit code; -1 when the tool crashed, hung, or failed without saying why.
int runTool(const QStringList& arguments) {
    QProcess tool;
    tool.start(TENEBRIX_PICTURES_TOOL, arguments);
    if (!tool.waitForFinished(60000) || tool.exitStatus() != QProcess::NormalExit) return -1;
    const bool explained = !tool.readAllStandardError().isEmpty();
    return tool.exitCode() == 0 || explained ? tool.exitCode() : -1;
}
}  // namespace

class TestPicturesTool : public QObject {
    Q_OBJECT

  private slots:
    void writesEveryPicture() {
        QTemporaryDir temporary;
        const QString outDir = temporary.filePath("new/pictures");  // made by the tool
        QCOMPARE(runTool({outDir, "--scale", "2"}), 0);
        QStringList expected{"icon.png", "about.png"};
        for (int i = 1; i <= 16; ++i) expected << QString("tile%1.png").arg(i, 2, 10, QChar('0'));
        for (int i = 1; i <= 9; ++i) expected << QString("mode%1.png").arg(i);
        for (int i = 0; i <= 5; ++i) expected << QString("logo%1.png").arg(i);
        expected.sort();
        QCOMPARE(QDir(outDir).entryList(QDir::Files, QDir::Name), expected);
        QCOMPARE(QImage(outDir + "/icon.png").size(), QSize(64, 64));
        QCOMPARE(QImage(outDir + "/logo5.png").size(), QSize(242, 242));
    }

    void badArgumentsAreRefused_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("no directory") << QStringList() << 2;
        QTest::newRow("scale 0") << QStringList{"out", "--scale", "0"} << 2;
        QTest::newRow("scale not a number") << QStringList{"out", "--scale", "big"} << 2;
        QTest::newRow("directory inside a file") << QStringList{"/dev/null/pictures"} << 1;
    }

    void badArgumentsAreRefused() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QCOMPARE(runTool(arguments), exitCode);
    }
};

QTEST_GUILESS_MAIN(TestPicturesTool)
#include "test_picturestool.moc"
