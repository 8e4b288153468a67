// SPDX-License-Identifier: GPL-3.0-or-later
// The per-user settings store, written only: the game saves its window
// placement on close and never reads it back. Texts are UTF-8.
#pragma once

#include <string>

namespace tenebrix::platform {

class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    // Returns false when the store could not be written; never throws.
    virtual bool SaveSetting(const std::string& appName, const std::string& section,
                             const std::string& key, const std::string& value) = 0;
};

}  // namespace tenebrix::platform
