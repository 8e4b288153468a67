// SPDX-License-Identifier: GPL-3.0-or-later
// A registry for systems without one: keys and values read from a small text
// file (format in RegistryFile.h), so a packager can tell the game where the
// desktop's system information program lives.
#pragma once

#include <QString>
#include <map>

#include "Registry.h"
#include "RegistryFile.h"

namespace tenebrix::platform {

class FileRegistry : public Registry {
  public:
    explicit FileRegistry(QString filePath);

    // The file the game uses: $TENEBRIX_REGISTRY_FILE when set and not empty,
    // otherwise the path fixed when the game was built.
    static QString defaultFilePath();

    // The file is read afresh at every open. A missing file holds no keys; a
    // file that is not a readable regular file, is too large or has a
    // malformed line makes every open fail with kErrorBadDb, with a warning
    // naming the file and line.
    long open(RegistryHandle root, const std::string& keyPath, std::uint32_t accessMask,
              RegistryHandle& handle) override;
    long queryValue(RegistryHandle handle, const std::string& valueName, std::uint32_t& type,
                    std::span<char> buffer, std::uint32_t& size) override;
    long close(RegistryHandle handle) override;

  private:
    QString m_filePath;
    // Each open key keeps the values it had when it was opened.
    std::map<RegistryHandle, RegistryValues> m_openKeys;
    RegistryHandle m_lastHandle = 0;
};

}  // namespace tenebrix::platform
