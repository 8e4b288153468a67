// SPDX-License-Identifier: GPL-3.0-or-later
// The registry on a desktop without a Windows registry: it knows one value,
// the command of the desktop's system information tool.
#pragma once

#include <set>

#include "Registry.h"

namespace tenebrix::platform {

// Read-only. Only HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Shared Tools\MSINFO
// exists, and its only value PATH is a text (stored with its final NUL)
// holding the command line of the first system information tool found on
// PATH when the value is read:
//   1. the desktop's own, by XDG_CURRENT_DESKTOP: kinfocenter on KDE,
//      GNOME Settings at its "About" page on GNOME (the page its --list
//      names; a Settings that names none is passed over);
//   2. then kinfocenter, hardinfo2, hardinfo.
// With none of them installed the value is not there, like any other.
class DesktopRegistry : public Registry {
  public:
    long open(RegistryHandle root, const std::string& keyPath, std::uint32_t accessMask,
              RegistryHandle& handle) override;
    long queryValue(RegistryHandle handle, const std::string& valueName, std::uint32_t& type,
                    std::span<char> buffer, std::uint32_t& size) override;
    long close(RegistryHandle handle) override;

  private:
    std::set<RegistryHandle> m_openKeys;
    RegistryHandle m_lastHandle = 0;
};

}  // namespace tenebrix::platform
