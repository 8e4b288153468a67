// SPDX-License-Identifier: GPL-3.0-or-later
// The system registry, reduced to the three calls the system information
// launcher makes: open a key, read one value, close the key.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace tenebrix::platform {

// A root key or a key opened by Registry::open. 0 is no key.
using RegistryHandle = std::uintptr_t;

// The numbers are those of the Windows registry, so the real one can take
// them as they are.
inline constexpr RegistryHandle kHkeyClassesRoot = 0x80000000;
inline constexpr RegistryHandle kHkeyCurrentUser = 0x80000001;
inline constexpr RegistryHandle kHkeyLocalMachine = 0x80000002;
inline constexpr RegistryHandle kHkeyUsers = 0x80000003;
inline constexpr RegistryHandle kHkeyCurrentConfig = 0x80000005;

inline constexpr std::uint32_t kKeyAllAccess = 0x2003F;
// Reading only. A program that is not elevated is refused any write access
// under HKEY_LOCAL_MACHINE, so keys that are only read are opened this way.
inline constexpr std::uint32_t kKeyRead = 0x20019;

// Value types.
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegBinary = 3;
inline constexpr std::uint32_t kRegDword = 4;

// Status codes; anything but kErrorSuccess is a failure.
inline constexpr long kErrorSuccess = 0;
inline constexpr long kErrorFileNotFound = 2;
inline constexpr long kErrorAccessDenied = 5;
inline constexpr long kErrorInvalidHandle = 6;
inline constexpr long kErrorMoreData = 234;
inline constexpr long kErrorBadDb = 1009;  // the registry's own store is corrupt

class Registry {
  public:
    virtual ~Registry() = default;

    // Opens `keyPath` (parts separated by '\') under `root`. On success
    // `handle` receives the open key; on failure it is set to 0.
    virtual long open(RegistryHandle root, const std::string& keyPath, std::uint32_t accessMask,
                      RegistryHandle& handle) = 0;

    // Reads value `valueName` of an open key. `size` holds the number of bytes
    // `buffer` may take (at most buffer.size()) and receives the number of
    // bytes of the value. A value larger than that fails with kErrorMoreData,
    // and `size` then tells how large it is.
    virtual long queryValue(RegistryHandle handle, const std::string& valueName,
                            std::uint32_t& type, std::span<char> buffer, std::uint32_t& size) = 0;

    // Never throws: callers close from destructors, on every way out.
    virtual long close(RegistryHandle handle) = 0;
};

}  // namespace tenebrix::platform
