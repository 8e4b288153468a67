// SPDX-License-Identifier: GPL-3.0-or-later
// An in-memory registry that records every open, read and close, so tests can
// check the order of lookups and that every opened key is closed again.
// Key paths and value names match exactly, so a misspelt name is caught.
#pragma once

#include <algorithm>
#include <map>
#include <set>
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
    struct Open {
        platform::RegistryHandle root;
        std::string keyPath;
        std::uint32_t accessMask;
    };
    std::vector<Open> opens;
    std::vector<std::string> queries;  // value names, in order
    std::vector<platform::RegistryHandle> closes;
    std::set<platform::RegistryHandle> openHandles;

    void setValue(platform::RegistryHandle root, const std::string& keyPath,
                  const std::string& name, Value value) {
        m_keys[{root, keyPath}][name] = std::move(value);
    }
    // A text value stored the usual way, with its final NUL.
    void setText(platform::RegistryHandle root, const std::string& keyPath, const std::string& name,
                 const std::string& text) {
        setValue(root, keyPath, name, {platform::kRegSz, text + '\0'});
    }

    long open(platform::RegistryHandle root, const std::string& keyPath, std::uint32_t accessMask,
              platform::RegistryHandle& handle) override {
        opens.push_back({root, keyPath, accessMask});
        handle = 0;
        const auto key = m_keys.find({root, keyPath});
        if (key == m_keys.end()) {
            return platform::kErrorFileNotFound;
        }
        handle = m_nextHandle++;
        m_openKeys[handle] = &key->second;
        openHandles.insert(handle);
        return platform::kErrorSuccess;
    }

    long queryValue(platform::RegistryHandle handle, const std::string& valueName,
                    std::uint32_t& type, std::span<char> buffer, std::uint32_t& size) override {
        queries.push_back(valueName);
        const auto key = m_openKeys.find(handle);
        if (key == m_openKeys.end() || !openHandles.contains(handle)) {
            return platform::kErrorInvalidHandle;
        }
        const auto value = key->second->find(valueName);
        if (value == key->second->end()) {
            return platform::kErrorFileNotFound;
        }
        const auto& data = value->second.data;
        const auto capacity = std::min<std::size_t>(size, buffer.size());
        type = value->second.type;
        size = static_cast<std::uint32_t>(data.size());
        if (data.size() > capacity) {
            return platform::kErrorMoreData;
        }
        std::copy(data.begin(), data.end(), buffer.begin());
        return platform::kErrorSuccess;
    }

    long close(platform::RegistryHandle handle) override {
        closes.push_back(handle);
        return openHandles.erase(handle) == 1 ? platform::kErrorSuccess
                                              : platform::kErrorInvalidHandle;
    }

  private:
    std::map<std::pair<platform::RegistryHandle, std::string>, std::map<std::string, Value>> m_keys;
    std::map<platform::RegistryHandle, const std::map<std::string, Value>*> m_openKeys;
    platform::RegistryHandle m_nextHandle = 0x100;
};

}  // namespace tenebrix::testing
