// SPDX-License-Identifier: GPL-3.0-or-later
// What the windows need from outside them: chance, the settings store, the
// help viewer, message boxes, the registry, the program launcher and the
// clock. Passed in, so tests can replace each; all outlive the windows.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "Launcher.h"
#include "Message.h"
#include "Registry.h"

namespace tenebrix {
class RandomSource;
}

namespace tenebrix::win32 {

// The per-user settings store, written only.
class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    // Returns false when the store could not be written; never throws.
    virtual bool SaveSetting(const std::wstring& appName, const std::wstring& section,
                             const std::wstring& key, const std::wstring& value) = 0;
};

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

class Clock {
  public:
    virtual ~Clock() = default;
    // The local date and time.
    virtual SYSTEMTIME now() = 0;
};

struct Services {
    RandomSource& random;
    SettingsStore& settings;
    HelpViewer& help;
    MessageBoxes& messages;
    platform::Registry& registry;
    platform::Launcher& launcher;
    Clock& clock;
    // Empty: the game was built without help.
    std::wstring helpFilePath;
};

}  // namespace tenebrix::win32
