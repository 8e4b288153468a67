// SPDX-License-Identifier: GPL-3.0-or-later
// The registry the game reads on this system: the real one on Windows, the
// desktop's stand-in elsewhere.
#pragma once

#include <memory>

#include "Registry.h"

namespace tenebrix::platform {

std::unique_ptr<Registry> makeSystemRegistry();

}  // namespace tenebrix::platform
