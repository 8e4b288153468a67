// SPDX-License-Identifier: GPL-3.0-or-later
// The program's entry: the splash screen, which hands over to the game.
#include <QApplication>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "CommandLine.h"
#include "HelpFile.h"
#include "HelpWindow.h"
#include "ModalMessageBox.h"
#include "Module1.h"
#include "PictureImages.h"
#include "PlayersLanguage.h"
#include "ProcessLauncher.h"
#include "QSettingsStore.h"
#include "QtLocalClock.h"
#include "RandomSource.h"
#include "SelfTest.h"
#include "StartupTrace.h"
#include "SystemRegistry.h"
#include "frmAbout.h"
#include "frmMain.h"

using namespace tenebrix;

namespace {

std::vector<std::string> argumentsAfterProgramName(int argc, char* argv[]) {
    return argc > 1 ? std::vector<std::string>(argv + 1, argv + argc) : std::vector<std::string>{};
}

}  // namespace

int main(int argc, char* argv[]) {
    startup::markMainStarted();
    // The player's language comes first: --help already speaks it.
    const std::optional<std::string> language = startup::loadPlayersCatalogue(
        &startup::processEnvironment, startup::programFolder(argc > 0 ? argv[0] : nullptr));
    // --help and --version are answered before QApplication exists, as it
    // needs a display; so is any option that neither the game nor Qt knows.
    if (const auto exitCode =
            startup::answerCommandLine(argumentsAfterProgramName(argc, argv),
                                       startup::QtOptions::StillPresent, std::cout, std::cerr))
        return *exitCode;
    QApplication app(argc, argv);
    // What Qt left is what its platform did not take (-display off X11, say).
    if (const auto exitCode =
            startup::answerCommandLine(argumentsAfterProgramName(argc, argv),
                                       startup::QtOptions::AlreadyTaken, std::cout, std::cerr))
        return *exitCode;
    QApplication::setWindowIcon(qt::programIcon());
    // Lets the desktop match the windows to the game's menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tenebrix.Tenebrix"));

    ClockSeededRandom random;
    platform::QSettingsStore settingsStore;
    platform::QtLocalClock clock;
    platform::HelpWindow helpViewer;
    qt::ModalMessageBox messages;
    const auto registry = platform::makeSystemRegistry();
    platform::ProcessLauncher launcher;
    const qt::MainWindowServices services{
        random,   settingsStore,
        clock,    helpViewer,
        messages, platform::helpFilePath(QString::fromStdString(language.value_or(std::string())))};

    startup::Main([&] {
        auto* window = new qt::frmMain(services);
        window->setAttribute(Qt::WA_DeleteOnClose);
        QObject::connect(window, &qt::frmMain::aboutRequested, window, [&, window] {
            startup::frmAbout::mnuHelpAbout_Click(*registry, launcher, messages, window);
        });
        window->show();
        startup::traceStartup("main window shown");
        if (startup::isSelfTestRequested()) startup::reportAndClose(window, services.helpFilePath);
    });
    return QApplication::exec();
}
