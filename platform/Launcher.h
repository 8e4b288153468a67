// SPDX-License-Identifier: GPL-3.0-or-later
// Starting another program: the file test and the detached launch the
// system information command needs.
#pragma once

#include <string>

namespace tenebrix::platform {

class Launcher {
  public:
    virtual ~Launcher() = default;
    // Whether a file (not a folder) of that name exists.
    virtual bool fileExists(const std::string& path) = 0;
    // Starts `commandLine`, split into a program and its arguments the way a
    // command line is (quotes respected, no shell), and does not wait for it.
    // Returns false when it splits into nothing or could not be started.
    virtual bool launch(const std::string& commandLine) = 0;
};

}  // namespace tenebrix::platform
