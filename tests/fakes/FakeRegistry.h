// SPDX-License-Identifier: GPL-3.0-or-later
// An in-memory registry that records every open and close, so tests can check
// that every key is opened with full access and closed again. Key paths and
// value names match exactly, so a misspelt name is caught.
#pragma once

#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "Registry.h"

namespace tenebrix::testing {

class FakeRegistry : public platform::Registry {
  public:
    struct Value {
        std::uint32_t type = 0;
        std::string data;  // the raw bytes
    };
    using Key = std::map<std::string, Value>;
    std::vector<std::uint32_t> openAccessMasks;
    std::map<platform::RegistryHandle, const Key*> openKeys;
    int closes = 0;

    void setValue(platform::RegistryHandle root, const std::string& keyPath,
                  const std::string& name, Value value) {
        m_keys[{root, keyPath}][name] = std::move(value);
    }

    long open(platform::RegistryHandle root, const std::string& keyPath, std::uint32_t accessMask,
              platform::RegistryHandle& handle) override {
        openAccessMasks.push_back(accessMask);
        handle = 0;
        const auto key = m_keys.find({root, keyPath});
        if (key == m_keys.end()) return platform::kErrorFileNotFound;
        handle = m_nextHandle++;
        openKeys[handle] = &key->second;
        return platform::kErrorSuccess;
    }

    long queryValue(platform::RegistryHandle handle, const std::string& valueName,
                    std::uint32_t& type, std::span<char> buffer, std::uint32_t& size) override {
        const auto key = openKeys.find(handle);
        if (key == openKeys.end()) return platform::kErrorInvalidHandle;
        const auto value = key->second->find(valueName);
        if (value == key->second->end()) return platform::kErrorFileNotFound;
        const auto& data = value->second.data;
        const auto capacity = std::min<std::size_t>(size, buffer.size());
        type = value->second.type;
        size = static_cast<std::uint32_t>(data.size());
        if (data.size() > capacity) return platform::kErrorMoreData;
        std::copy(data.begin(), data.end(), buffer.begin());
        return platform::kErrorSuccess;
    }

    long close(platform::RegistryHandle handle) override {
        ++closes;
        return openKeys.erase(handle) == 1 ? platform::kErrorSuccess
                                           : platform::kErrorInvalidHandle;
    }

  private:
    std::map<std::pair<platform::RegistryHandle, std::string>, Key> m_keys;
    platform::RegistryHandle m_nextHandle = 0x100;
};

}  // namespace tenebrix::testing
