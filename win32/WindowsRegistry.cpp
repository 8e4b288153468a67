// SPDX-License-Identifier: GPL-3.0-or-later
// The Windows registry through the 8-bit calls, so texts come back in the
// system's ANSI code page as the launcher expects.
#include "WindowsRegistry.h"

#include <windows.h>

#include <algorithm>

namespace tenebrix::platform {

namespace {

// Our root numbers are the 32-bit forms; the system's predefined keys are
// those numbers sign-extended to a pointer.
HKEY toHkey(RegistryHandle handle) {
    if (handle >= kHkeyClassesRoot && handle <= kHkeyCurrentConfig) {
        return reinterpret_cast<HKEY>(
            static_cast<ULONG_PTR>(static_cast<LONG_PTR>(static_cast<LONG>(handle))));
    }
    return reinterpret_cast<HKEY>(handle);
}

class WindowsRegistry final : public Registry {
  public:
    long open(RegistryHandle root, const std::string& keyPath, std::uint32_t accessMask,
              RegistryHandle& handle) override {
        HKEY key = nullptr;
        const LONG status = RegOpenKeyExA(toHkey(root), keyPath.c_str(), 0, accessMask, &key);
        handle = status == ERROR_SUCCESS ? reinterpret_cast<RegistryHandle>(key) : 0;
        return status;
    }

    long queryValue(RegistryHandle handle, const std::string& valueName, std::uint32_t& type,
                    std::span<char> buffer, std::uint32_t& size) override {
        DWORD valueType = 0;
        DWORD valueSize = std::min<DWORD>(size, static_cast<DWORD>(buffer.size()));
        const LONG status = RegQueryValueExA(toHkey(handle), valueName.c_str(), nullptr, &valueType,
                                             reinterpret_cast<LPBYTE>(buffer.data()), &valueSize);
        type = valueType;
        size = valueSize;
        return status;
    }

    long close(RegistryHandle handle) override { return RegCloseKey(toHkey(handle)); }
};

}  // namespace

std::unique_ptr<Registry> makeWindowsRegistry() {
    return std::make_unique<WindowsRegistry>();
}

}  // namespace tenebrix::platform
