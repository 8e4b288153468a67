// SPDX-License-Identifier: GPL-3.0-or-later
// The real launcher: the program is started as a detached process, without
// a shell, so the path is taken literally.
#pragma once

#include "Launcher.h"

namespace tenebrix::platform {

class ProcessLauncher : public Launcher {
  public:
    // Paths are 8-bit text in the system's local encoding, as the registry
    // hands them over.
    bool fileExists(const std::string& path) override;
    bool launch(const std::string& path) override;
};

}  // namespace tenebrix::platform
