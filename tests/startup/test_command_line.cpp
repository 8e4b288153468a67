// SPDX-License-Identifier: GPL-3.0-or-later
// The built program's command line, run with no display at all: --help and
// --version answer, unknown options are refused, Qt's own options still work.
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class CommandLineTest : public QObject {
    Q_OBJECT
  private slots:
    void answersWithoutDisplay_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("selfTest");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("error");
        const QString usage = "Usage: tenebrix ";
        QTest::newRow("help") << QStringList{"--help"} << false << 0 << usage << "";
        QTest::newRow("version") << QStringList{"--version"} << false << 0 << "Tenebrix 1.0.0\n"
                                 << "";
        QTest::newRow("Qt options before --version")
            << QStringList{"-style", "Fusion", "--platform", "offscreen", "-reverse", "--version"}
            << false << 0 << "Tenebrix 1.0.0\n"
            << "";
        QTest::newRow("unknown option") << QStringList{"--level=3"} << false << 2 << ""
                                        << "tenebrix: unknown option '--level=3'\n" + usage;
        QTest::newRow("no option") << QStringList{"puzzle.txt"} << false << 2 << ""
                                   << "tenebrix: unexpected argument 'puzzle.txt'\n" + usage;
        QTest::newRow("Qt option without its value")
            << QStringList{"-style"} << false << 2 << ""
            << "tenebrix: option '-style' needs a value\n" + usage;
        // Known to Qt, but taken only by its X11 platform.
        QTest::newRow("Qt option the platform left")
            << QStringList{"-platform", "offscreen", "-display", ":9"} << false << 2 << ""
            << "tenebrix: unknown option '-display'\n" + usage;
        QTest::newRow("game starts with Qt options")
            << QStringList{"-platform", "offscreen", "-style", "Fusion"} << true << 0
            << "main window loaded; help file: "
            << "";
    }

    void answersWithoutDisplay() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, selfTest);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        QFETCH(QString, error);
        // No DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM; a scratch home
        // takes the window placement written when the game closes.
        QTemporaryDir home;
        QProcessEnvironment environment;
        for (const char* folder : {"HOME", "XDG_CONFIG_HOME", "XDG_RUNTIME_DIR"})
            environment.insert(folder, home.path());
        if (selfTest) environment.insert("TENEBRIX_SELFTEST", "1");
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(TENEBRIX_PROGRAM, arguments);
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), exitCode);
        const QString standardOutput = QString::fromUtf8(program.readAllStandardOutput());
        QVERIFY2(output.isEmpty() ? standardOutput.isEmpty() : standardOutput.startsWith(output),
                 qPrintable(standardOutput));
        // The game's own start may have Qt say something on stderr.
        const QString standardError = QString::fromUtf8(program.readAllStandardError());
        if (!selfTest)
            QVERIFY2(error.isEmpty() ? standardError.isEmpty() : standardError.startsWith(error),
                     qPrintable(standardError));
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "test_command_line.moc"
