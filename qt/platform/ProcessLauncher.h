// SPDX-License-Identifier: GPL-3.0-or-later
// The real launcher: the program is started as a detached process, without
// a shell, so nothing in the command line is ever run by one.
#pragma once

#include "Launcher.h"

namespace tenebrix::platform {

class ProcessLauncher : public Launcher {
  public:
    // Paths and command lines are 8-bit text in the system's local encoding,
    // as the registry hands them over.
    bool fileExists(const std::string& path) override;
    bool launch(const std::string& commandLine) override;
};

}  // namespace tenebrix::platform
