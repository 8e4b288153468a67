// SPDX-License-Identifier: GPL-3.0-or-later
// The registry the game reads on the Linux desktop: a stand-in that knows
// the desktop's system information tool.
#pragma once

#include <memory>

#include "Registry.h"

namespace tenebrix::platform {

std::unique_ptr<Registry> makeSystemRegistry();

}  // namespace tenebrix::platform
