// SPDX-License-Identifier: GPL-3.0-or-later
// The Windows registry itself: used by Windows builds, and run under Wine by
// scripts/windows-check.
#pragma once

#include "Registry.h"

namespace tenebrix::platform {

class WindowsRegistry : public Registry {
  public:
    long open(RegistryHandle root, const std::string& keyPath, std::uint32_t accessMask,
              RegistryHandle& handle) override;
    long queryValue(RegistryHandle handle, const std::string& valueName, std::uint32_t& type,
                    std::span<char> buffer, std::uint32_t& size) override;
    long close(RegistryHandle handle) override;
};

}  // namespace tenebrix::platform
