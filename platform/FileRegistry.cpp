// SPDX-License-Identifier: GPL-3.0-or-later
// The file-backed registry used where the system has none.
#include "FileRegistry.h"

#include <QFile>
#include <QFileInfo>
#include <QtGlobal>
#include <algorithm>
#include <optional>

#ifndef TENEBRIX_REGISTRY_FILE
#define TENEBRIX_REGISTRY_FILE ""
#endif

namespace tenebrix::platform {

namespace {

// The file names a handful of values; anything this big is not one of ours,
// and reading it whole must not stall the About box.
constexpr qint64 kMaxFileSize = 1024 * 1024;

// The whole text of the file, an empty text when there is none, or nothing
// (after a warning) when the file cannot serve as a registry.
std::optional<QByteArray> readRegistryText(const QString& path) {
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists()) {
        return QByteArray();
    }
    // Checked before opening: opening a FIFO for reading would wait for a writer.
    if (!info.isFile() || info.size() > kMaxFileSize) {
        qWarning("%s: not a registry file (not a regular file, or larger than %lld bytes)",
                 qUtf8Printable(path), kMaxFileSize);
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning("%s: %s", qUtf8Printable(path), qUtf8Printable(file.errorString()));
        return std::nullopt;
    }
    // As large as the file was found to be, no larger: no reserve for the worst case.
    return file.read(info.size());
}

}  // namespace

FileRegistry::FileRegistry(QString filePath) : m_filePath(std::move(filePath)) {}

QString FileRegistry::defaultFilePath() {
    const QString fromEnvironment = qEnvironmentVariable("TENEBRIX_REGISTRY_FILE");
    return fromEnvironment.isEmpty() ? QStringLiteral(TENEBRIX_REGISTRY_FILE) : fromEnvironment;
}

// The file carries no permissions, so any access mask is granted.
long FileRegistry::open(RegistryHandle root, const std::string& keyPath,
                        std::uint32_t /*accessMask*/, RegistryHandle& handle) {
    handle = 0;
    const auto text = readRegistryText(m_filePath);
    if (!text) {
        return kErrorBadDb;
    }
    auto contents = parseRegistryFile(std::string_view(text->constData(), text->size()));
    if (!contents.isValid()) {
        qWarning("%s:%d: %s", qUtf8Printable(m_filePath), contents.errorLine,
                 contents.error.c_str());
        return kErrorBadDb;
    }
    const auto key = contents.keys.find({root, registryNameKey(keyPath)});
    if (key == contents.keys.end()) {
        return kErrorFileNotFound;
    }
    handle = ++m_lastHandle;
    m_openKeys[handle] = std::move(key->second);
    return kErrorSuccess;
}

long FileRegistry::queryValue(RegistryHandle handle, const std::string& valueName,
                              std::uint32_t& type, std::span<char> buffer, std::uint32_t& size) {
    const auto key = m_openKeys.find(handle);
    if (key == m_openKeys.end()) {
        return kErrorInvalidHandle;
    }
    const auto value = key->second.find(registryNameKey(valueName));
    if (value == key->second.end()) {
        return kErrorFileNotFound;
    }
    const auto& data = value->second.data;
    const auto capacity = std::min<std::size_t>(size, buffer.size());
    type = value->second.type;
    size = static_cast<std::uint32_t>(data.size());
    if (data.size() > capacity) {
        return kErrorMoreData;
    }
    std::copy(data.begin(), data.end(), buffer.begin());
    return kErrorSuccess;
}

long FileRegistry::close(RegistryHandle handle) {
    return m_openKeys.erase(handle) == 1 ? kErrorSuccess : kErrorInvalidHandle;
}

}  // namespace tenebrix::platform
