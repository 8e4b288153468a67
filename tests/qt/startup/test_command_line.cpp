// SPDX-License-Identifier: GPL-3.0-or-later
// The built program's command line, run with no display at all: --help and
// --version answer, unknown options are refused, Qt's own options still work.
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "ProjectVersion.h"

class CommandLineTest : public QObject {
    Q_OBJECT
  private slots:
    void answersWithoutDisplay() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, answer);
        QTemporaryDir home;
        QProcessEnvironment environment;
        for (const char* folder : {"HOME", "XDG_CONFIG_HOME", "XDG_RUNTIME_DIR"})
            environment.insert(folder, home.path());
        environment.insert("TENEBRIX_SELFTEST", "1");
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(TENEBRIX_PROGRAM, arguments);
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1, exitCode);
        // Refused, nothing on stdout. A game that starts may have Qt say something on stderr.
        QString shown = QString::fromUtf8(program.readAllStandardOutput());
        if (exitCode != 0) shown += QString::fromUtf8(program.readAllStandardError());
        QVERIFY2(shown.startsWith(answer), qPrintable(shown));
    }

    void answersWithoutDisplay_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        // How stdout begins (exit 0), or the message stderr gives before the usage (exit 2).
        QTest::addColumn<QString>("answer");
        const auto row = [](const char* name, const QStringList& arguments, int exitCode,
                            const QString& answer) {
            const QString refusal = "tenebrix: " + answer + "\nUsage: tenebrix ";
            QTest::newRow(name) << arguments << exitCode << (exitCode == 0 ? answer : refusal);
        };
        row("help", {"--help"}, 0, "Usage: tenebrix ");
        row("version, after Qt options",
            {"-style", "Fusion", "--platform", "offscreen", "-reverse", "--version"}, 0,
            "Tenebrix " TENEBRIX_PROJECT_VERSION "\n");
        row("unknown option", {"--level=3"}, 2, "unknown option '--level=3'");
        row("no option", {"puzzle.txt"}, 2, "unexpected argument 'puzzle.txt'");
        row("Qt option without its value", {"-style"}, 2, "option '-style' needs a value");
        row("Qt option only X11 takes", {"-platform", "offscreen", "-display", ":9"}, 2,
            "unknown option '-display'");
        row("game starts with Qt options", {"-platform", "offscreen", "-style", "Fusion"}, 0,
            "main window loaded; help file: ");
    }

    // The player's language is in use from the start: --help and a refusal
    // speak it, and the game opens the help page in it. Under C the texts
    // are English.
    void speaksThePlayersLanguage() {
        QTemporaryDir home;
        const auto run = [&home](const QString& language, const QStringList& arguments) {
            QProcessEnvironment environment;
            for (const char* folder : {"HOME", "XDG_CONFIG_HOME", "XDG_RUNTIME_DIR"})
                environment.insert(folder, home.path());
            environment.insert("TENEBRIX_SELFTEST", "1");
            environment.insert("LANGUAGE", language);
            environment.insert("LANG", language == "C" ? "C" : language + "_DE.UTF-8");
            QProcess program;
            program.setProcessEnvironment(environment);
            program.start(TENEBRIX_PROGRAM, arguments);
            program.waitForFinished(60000);
            return QString::fromUtf8(program.readAllStandardOutput() +
                                     program.readAllStandardError());
        };
        QVERIFY(run("de", {"--help"}).startsWith("Aufruf: tenebrix "));
        QVERIFY(run("de", {"--bogus"}).startsWith("tenebrix: unbekannte Option „--bogus“\n"));
        QVERIFY(run("C", {"--help"}).startsWith("Usage: tenebrix "));
        const QString started = run("de", {"-platform", "offscreen"});
        QVERIFY2(started.contains("/help/de/Tenebrix.hlp (found)"), qPrintable(started));
    }

    // No DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM; a scratch home takes the window placement
    // written when the game closes. Only a game that starts runs its self-test.
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "test_command_line.moc"
