// SPDX-License-Identifier: GPL-3.0-or-later
// A settings store in memory that can be told to fail, as one that cannot be written does.
#pragma once

#include <QMap>
#include <QString>

#include "SettingsStore.h"

namespace tenebrix::testing {

class FakeSettingsStore : public platform::SettingsStore {
  public:
    QMap<QString, QString> values;  // "app/section/key" -> value, as last written
    int writes = 0;
    bool failWrites = false;

    bool SaveSetting(const QString& appName, const QString& section, const QString& key,
                     const QString& value) override {
        ++writes;
        if (!failWrites) values[appName + '/' + section + '/' + key] = value;
        return !failWrites;
    }
};

}  // namespace tenebrix::testing
