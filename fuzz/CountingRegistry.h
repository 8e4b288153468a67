// SPDX-License-Identifier: GPL-3.0-or-later
// A registry in front of another that keeps track of the keys open through
// it, so a run can insist that every key opened was closed again.
#pragma once

#include <set>

#include "Registry.h"

namespace tenebrix::fuzz {

class CountingRegistry : public platform::Registry {
  public:
    explicit CountingRegistry(platform::Registry& inner) : inner_(inner) {}

    long open(platform::RegistryHandle root, const std::string& keyPath, std::uint32_t accessMask,
              platform::RegistryHandle& handle) override {
        const long status = inner_.open(root, keyPath, accessMask, handle);
        if (status == platform::kErrorSuccess) openKeys.insert(handle);
        ++opens;
        return status;
    }
    long queryValue(platform::RegistryHandle handle, const std::string& valueName,
                    std::uint32_t& type, std::span<char> buffer, std::uint32_t& size) override {
        return inner_.queryValue(handle, valueName, type, buffer, size);
    }
    long close(platform::RegistryHandle handle) override {
        openKeys.erase(handle);
        return inner_.close(handle);
    }

    std::set<platform::RegistryHandle> openKeys;
    int opens = 0;

  private:
    platform::Registry& inner_;
};

}  // namespace tenebrix::fuzz
