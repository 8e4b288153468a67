// SPDX-License-Identifier: GPL-3.0-or-later
// The Windows registry itself: used by the Windows build, and tested under Wine by
// scripts/windows-test.
#pragma once

#include <memory>

#include "Registry.h"

namespace tenebrix::platform {

std::unique_ptr<Registry> makeWindowsRegistry();

}  // namespace tenebrix::platform
