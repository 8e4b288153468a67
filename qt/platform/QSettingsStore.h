// SPDX-License-Identifier: GPL-3.0-or-later
// The per-user settings store on QSettings: each application name gets its
// own native settings file (organisation and application both that name),
// and a section is a group in it.
#pragma once

#include "SettingsStore.h"

namespace tenebrix::platform {

class QSettingsStore : public SettingsStore {
  public:
    // Writes at once. False when the store reports an error afterwards (it
    // could not be written, or the existing file could not be read).
    bool SaveSetting(const std::string& appName, const std::string& section,
                     const std::string& key, const std::string& value) override;
};

}  // namespace tenebrix::platform
