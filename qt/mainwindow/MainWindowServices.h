// SPDX-License-Identifier: GPL-3.0-or-later
// What the main window needs from outside it: chance for the puzzles, the
// settings store, the local clock, the help viewer with its file, and the
// message boxes. Passed in so tests can replace each; all of them outlive
// the window.
#pragma once

#include <QString>

namespace tenebrix {
class RandomSource;
namespace platform {
class HelpViewer;
class LocalClock;
class SettingsStore;
}  // namespace platform
}  // namespace tenebrix

namespace tenebrix::qt {

class MessageBoxPresenter;

struct MainWindowServices {
    RandomSource& random;
    platform::SettingsStore& settingsStore;
    platform::LocalClock& clock;
    platform::HelpViewer& helpViewer;
    MessageBoxPresenter& messages;
    // Empty: the game was built without help.
    QString helpFilePath;
};

}  // namespace tenebrix::qt
