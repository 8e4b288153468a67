// SPDX-License-Identifier: GPL-3.0-or-later
// The registry on the Linux desktop: the stand-in that knows the desktop's
// system information tool.
#include "SystemRegistry.h"

#include "DesktopRegistry.h"

namespace tenebrix::platform {

std::unique_ptr<Registry> makeSystemRegistry() {
    return std::make_unique<DesktopRegistry>();
}

}  // namespace tenebrix::platform
