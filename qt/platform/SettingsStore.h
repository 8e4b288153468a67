// SPDX-License-Identifier: GPL-3.0-or-later
// The per-user settings store, written only: the game saves its window
// placement on close and never reads it back.
#pragma once

#include <QString>

namespace tenebrix::platform {

class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    // Returns false when the store could not be written; never throws.
    virtual bool SaveSetting(const QString& appName, const QString& section, const QString& key,
                             const QString& value) = 0;
};

}  // namespace tenebrix::platform
