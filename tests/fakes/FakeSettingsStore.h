// SPDX-License-Identifier: GPL-3.0-or-later
// A settings store in memory that can be told to fail, as one that cannot be written does.
#pragma once

#include <map>
#include <string>

#include "SettingsStore.h"

namespace tenebrix::testing {

class FakeSettingsStore : public platform::SettingsStore {
  public:
    std::map<std::string, std::string> values;  // "app/section/key" -> value, as last written
    int writes = 0;
    bool failWrites = false;

    bool SaveSetting(const std::string& appName, const std::string& section, const std::string& key,
                     const std::string& value) override {
        ++writes;
        if (!failWrites) values[appName + '/' + section + '/' + key] = value;
        return !failWrites;
    }
};

}  // namespace tenebrix::testing
