// SPDX-License-Identifier: GPL-3.0-or-later
// The tenebrix-pictures tool: the 33 files it writes, and bad arguments refused.
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
    return tool.exitCode() == 0 || !tool.readAllStandardError().isEmpty() ? tool.exitCode() : -1;
}
}  // namespace

class TestPicturesTool : public QObject {
    Q_OBJECT

  private slots:
    // Bad arguments get a message and a non-zero exit instead of a crash: no
    // directory, a scale of 0 or no number (2), a directory it cannot make (1).
    void writesEveryPictureAndRefusesBadArguments() {
        QTemporaryDir temporary;
        const QString outDir = temporary.filePath("new/pictures");  // made by the tool
        QCOMPARE(runTool({outDir, "--scale", "2"}), 0);
        QStringList expected{"about.png", "icon.png"};  // in name order
        for (int i = 0; i <= 5; ++i) expected << QString("logo%1.png").arg(i);
        for (int i = 1; i <= 9; ++i) expected << QString("mode%1.png").arg(i);
        for (int i = 1; i <= 16; ++i) expected << QString("tile%1.png").arg(i, 2, 10, QChar('0'));
        QCOMPARE(QDir(outDir).entryList(QDir::Files, QDir::Name), expected);
        QCOMPARE(QImage(outDir + "/icon.png").size(), QSize(64, 64));
        QCOMPARE(runTool({}), 2);
        QCOMPARE(runTool({"out", "--scale", "0"}), 2);
        QCOMPARE(runTool({"out", "--scale", "big"}), 2);
        QCOMPARE(runTool({"/dev/null/pictures"}), 1);
    }
};

QTEST_GUILESS_MAIN(TestPicturesTool)
#include "test_picturestool.moc"
