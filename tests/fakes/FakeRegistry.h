// SPDX-License-Identifier: GPL-3.0-or-later
// An in-memory registry that keeps its open keys, so tests see each closed; it
// matches names exactly and refuses less than full access, so slips are caught.
#pragma once

#include <algorithm>
#include <map>
#include <string>

#include "Registry.h"

namespace tenebrix::testing {

class FakeRegistry : public platform::Registry {
  public:
    // (key path, value name) -> (type, raw bytes), all under HKEY_LOCAL_MACHINE.
    std::map<std::pair<std::string, std::string>, std::pair<std::uint32_t, std::string>> values;
    std::map<platform::RegistryHandle, std::string> openKeys;  // handle -> key path

    long open(platform::RegistryHandle root, const std::string& keyPath, std::uint32_t accessMask,
              platform::RegistryHandle& handle) override {
        handle = 0;
        // As Windows does for a program that is not elevated: no write
        // access under HKEY_LOCAL_MACHINE.
        if (accessMask & ~platform::kKeyRead) return platform::kErrorAccessDenied;
        if (root != platform::kHkeyLocalMachine ||
            std::ranges::none_of(values, [&](auto& v) { return v.first.first == keyPath; }))
            return platform::kErrorFileNotFound;
        openKeys[handle = ++m_lastHandle] = keyPath;
        return platform::kErrorSuccess;
    }

    long queryValue(platform::RegistryHandle handle, const std::string& valueName,
                    std::uint32_t& type, std::span<char> buffer, std::uint32_t& size) override {
        const auto key = openKeys.find(handle);
        if (key == openKeys.end()) return platform::kErrorInvalidHandle;
        const auto value = values.find({key->second, valueName});
        if (value == values.end()) return platform::kErrorFileNotFound;
        const auto& [valueType, data] = value->second;
        type = valueType;
        const auto capacity = std::min<std::size_t>(size, buffer.size());
        size = static_cast<std::uint32_t>(data.size());
        if (data.size() > capacity) return platform::kErrorMoreData;
        std::ranges::copy(data, buffer.begin());
        return platform::kErrorSuccess;
    }

    long close(platform::RegistryHandle handle) override {
        return openKeys.erase(handle) == 1 ? platform::kErrorSuccess
                                           : platform::kErrorInvalidHandle;
    }

  private:
    platform::RegistryHandle m_lastHandle = 0x100;
};

}  // namespace tenebrix::testing
