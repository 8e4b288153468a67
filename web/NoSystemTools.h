// SPDX-License-Identifier: GPL-3.0-or-later
// A browser holds no registry and starts no programs: the System Info
// command's lookups find nothing there and it says so.
#pragma once

#include "Launcher.h"
#include "Registry.h"

namespace tenebrix::web {

class EmptyRegistry final : public platform::Registry {
  public:
    long open(platform::RegistryHandle, const std::string&, std::uint32_t,
              platform::RegistryHandle& handle) override {
        handle = 0;
        return platform::kErrorFileNotFound;
    }
    long queryValue(platform::RegistryHandle, const std::string&, std::uint32_t&, std::span<char>,
                    std::uint32_t&) override {
        return platform::kErrorInvalidHandle;
    }
    long close(platform::RegistryHandle) override { return platform::kErrorSuccess; }
};

class NoLauncher final : public platform::Launcher {
  public:
    bool fileExists(const std::string&) override { return false; }
    bool launch(const std::string&) override { return false; }
};

}  // namespace tenebrix::web
