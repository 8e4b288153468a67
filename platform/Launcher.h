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
    // Starts `commandLine` and does not wait for it. On Linux it is split into
    // a program and its arguments the way a command line is (quotes
    // respected, no shell); on Windows it is the path of a program, taken
    // whole, since it may hold blanks ("C:\Program Files\...").
    // Returns false when it splits into nothing or could not be started.
    virtual bool launch(const std::string& commandLine) = 0;
};

}  // namespace tenebrix::platform
