// SPDX-License-Identifier: GPL-3.0-or-later
// What the windows need from outside them: chance, the settings store, the
// help viewer, message boxes, the registry, the program launcher and the
// clock. Passed in, so tests can replace each; all outlive the windows. The
// settings store, registry, launcher and clock are the platform's shared
// interfaces; the help viewer and message boxes take a window as owner.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "Launcher.h"
#include "LocalClock.h"
#include "Message.h"
#include "Registry.h"
#include "SettingsStore.h"

namespace tenebrix {
class RandomSource;
}

namespace tenebrix::win32 {

class HelpViewer {
  public:
    virtual ~HelpViewer() = default;
    // Opens `helpFile` at its contents beside the game and does not wait.
    // Returns the system's description of the error when no viewer started.
    virtual std::optional<std::wstring> showContents(HWND owner, const std::wstring& helpFile) = 0;
};

class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    // Modal over `owner`; returns the button that closed it.
    virtual MessageAnswer show(HWND owner, const Message& message) = 0;
};

struct Services {
    RandomSource& random;
    platform::SettingsStore& settings;
    HelpViewer& help;
    MessageBoxes& messages;
    platform::Registry& registry;
    platform::Launcher& launcher;
    platform::LocalClock& clock;
    // Empty: the game was built without help.
    std::wstring helpFilePath;
};

}  // namespace tenebrix::win32
