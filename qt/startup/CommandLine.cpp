// SPDX-License-Identifier: GPL-3.0-or-later
// The program's options, and the Qt options it lets through to QApplication.
#include "CommandLine.h"

#include <algorithm>
#include <array>
#include <ostream>
#include <string_view>

#include "Translate.h"
#include "VersionLine.h"

namespace tenebrix::startup {

namespace {

// The options that QCoreApplication, QGuiApplication, QApplication and the
// X11 platform plugin take out of the arguments in Qt 6. Those not taken on
// the platform in use (-display on Wayland, say) are still there once the
// QApplication exists, and are refused then.
constexpr std::array<std::string_view, 17> kQtOptionsWithValue{
    "-platform",        "-platformpluginpath",
    "-platformtheme",   "-plugin",
    "-qwindowgeometry", "-geometry",
    "-qwindowtitle",    "-title",
    "-qwindowicon",     "-icon",
    "-session",         "-style",
    "-stylesheet",      "-qmljsdebugger",
    "-display",         "-name",
    "-visual"};
constexpr std::array<std::string_view, 5> kQtSwitches{"-reverse", "-testability", "-widgetcount",
                                                      "-dograb", "-nograb"};
constexpr std::array<std::string_view, 3> kQtOptionsWithJoinedValue{
    "-style=", "-stylesheet=", "-qmljsdebugger="};

template <std::size_t N>
bool isOneOf(std::string_view option, const std::array<std::string_view, N>& options) {
    return std::find(options.begin(), options.end(), option) != options.end();
}

// Qt reads "--style" as "-style".
std::string_view asQtSpells(std::string_view argument) {
    return argument.starts_with("--") ? argument.substr(1) : argument;
}

bool hasJoinedQtValue(std::string_view option) {
    return std::any_of(kQtOptionsWithJoinedValue.begin(), kQtOptionsWithJoinedValue.end(),
                       [option](std::string_view prefix) { return option.starts_with(prefix); });
}

struct Reading {
    enum class Action { StartGame, ShowHelp, ShowVersion, Refuse } action = Action::StartGame;
    std::string problem;
};

Reading refusal(std::string problem) {
    return {Reading::Action::Refuse, std::move(problem)};
}

Reading read(const std::vector<std::string>& arguments, QtOptions qt) {
    const bool qtStillPresent = qt == QtOptions::StillPresent;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (argument == "--help" || argument == "-h") return {Reading::Action::ShowHelp, {}};
        if (argument == "--version") return {Reading::Action::ShowVersion, {}};
        if (!argument.starts_with('-') || argument == "-")
            // TRANSLATORS: Command-line error: %1 is what the player typed.
            // xgettext:qt-format
            return refusal(i18n::format(i18n::tr("unexpected argument '%1'"), {arguments[i]}));
        const std::string_view option = asQtSpells(argument);
        if (qtStillPresent && isOneOf(option, kQtOptionsWithValue)) {
            if (i + 1 == arguments.size())
                // xgettext:qt-format
                return refusal(i18n::format(i18n::tr("option '%1' needs a value"), {arguments[i]}));
            ++i;
            continue;
        }
        if (qtStillPresent && (isOneOf(option, kQtSwitches) || hasJoinedQtValue(option))) continue;
        // xgettext:qt-format
        return refusal(i18n::format(i18n::tr("unknown option '%1'"), {arguments[i]}));
    }
    return {};
}

}  // namespace

std::string versionText() {
    return "Tenebrix " + forms::VersionNumber(forms::kProgramVersion);
}

std::string usageText() {
    // The option names stay as they are; the columns line up in every language.
    return
        // TRANSLATORS: The command line's help (tenebrix --help); keep the option
        // names as they are. The first line is the usage line.
        i18n::tr("Usage: tenebrix [--help | --version] [Qt options]") + '\n' +
        i18n::tr("A puzzle game: turn every tile dark.") + "\n\n  -h, --help   " +
        // TRANSLATORS: tenebrix --help: what -h / --help does.
        i18n::tr("show this help and exit") + "\n  --version    " +
        // TRANSLATORS: tenebrix --help: what --version does.
        i18n::tr("show the version and exit") + "\n\n" +
        // TRANSLATORS: tenebrix --help: keep the option names and NAME,
        // WIDTHxHEIGHT+X+Y as they are.
        i18n::tr(
            "Qt's own options work as well, for example -platform NAME, -style NAME,\n"
            "-geometry WIDTHxHEIGHT+X+Y or -reverse; see tenebrix(6).") +
        '\n';
}

std::optional<int> answerCommandLine(const std::vector<std::string>& arguments, QtOptions qt,
                                     std::ostream& out, std::ostream& err) {
    const Reading reading = read(arguments, qt);
    switch (reading.action) {
        case Reading::Action::StartGame:
            return std::nullopt;
        case Reading::Action::ShowHelp:
            out << usageText() << std::flush;
            return 0;
        case Reading::Action::ShowVersion:
            out << versionText() << '\n' << std::flush;
            return 0;
        case Reading::Action::Refuse:
            err << "tenebrix: " << reading.problem << '\n' << usageText() << std::flush;
            return 2;
    }
    return std::nullopt;
}

}  // namespace tenebrix::startup
