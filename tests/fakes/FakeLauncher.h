// SPDX-License-Identifier: GPL-3.0-or-later
// A launcher over a made-up disk that records what it starts; a missing file cannot start.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "Launcher.h"

namespace tenebrix::testing {

class FakeLauncher : public platform::Launcher {
  public:
    std::set<std::string> existingFiles;
    std::vector<std::string> launched;

    bool fileExists(const std::string& path) override { return existingFiles.contains(path); }
    bool launch(const std::string& path) override {
        launched.push_back(path);
        return existingFiles.contains(path);
    }
};

}  // namespace tenebrix::testing
