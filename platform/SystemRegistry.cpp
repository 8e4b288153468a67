// SPDX-License-Identifier: GPL-3.0-or-later
// Picks the registry for the system the game was built for.
#include "SystemRegistry.h"

#ifdef _WIN32
#include "WindowsRegistry.h"
#else
#include "DesktopRegistry.h"
#endif

namespace tenebrix::platform {

std::unique_ptr<Registry> makeSystemRegistry() {
#ifdef _WIN32
    return makeWindowsRegistry();
#else
    return std::make_unique<DesktopRegistry>();
#endif
}

}  // namespace tenebrix::platform
