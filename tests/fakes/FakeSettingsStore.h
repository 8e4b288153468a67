// SPDX-License-Identifier: GPL-3.0-or-later
// A settings store that keeps what is written in memory, and can be told to
// fail as a store that cannot be written does.
#pragma once

#include <QMap>
#include <QString>

#include "SettingsStore.h"

namespace tenebrix::testing {

class FakeSettingsStore : public platform::SettingsStore {
  public:
    // "app/section/key" -> value, as last written.
    QMap<QString, QString> values;
    int writes = 0;
    bool failWrites = false;

    bool SaveSetting(const QString& appName, const QString& section, const QString& key,
                     const QString& value) override {
        ++writes;
        if (failWrites) {
            return false;
        }
        values[appName + '/' + section + '/' + key] = value;
        return true;
    }
};

}  // namespace tenebrix::testing
