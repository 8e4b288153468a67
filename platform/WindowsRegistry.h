// SPDX-License-Identifier: GPL-3.0-or-later
// The Windows registry itself: used by Windows builds, and run under Wine by
// scripts/windows-check.
#pragma once

#include <memory>

#include "Registry.h"

namespace tenebrix::platform {

std::unique_ptr<Registry> makeWindowsRegistry();

}  // namespace tenebrix::platform
