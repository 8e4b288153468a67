// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's registry: which system information tool is installed.
#include "DesktopRegistry.h"

#include <QStandardPaths>
#include <QStringList>
#include <QtGlobal>
#include <algorithm>
#include <vector>

#include "SystemInfo.h"

namespace tenebrix::platform {

namespace {

struct SysInfoTool {
    const char* program;
    const char* commandLine;
};

constexpr SysInfoTool kKdeTool{"kinfocenter", "kinfocenter"};
// GNOME Settings names its system page "info-overview" (Debian 12's version).
constexpr SysInfoTool kGnomeTool{"gnome-control-center", "gnome-control-center info-overview"};
constexpr SysInfoTool kAnyDesktopTools[] = {
    kKdeTool, {"hardinfo2", "hardinfo2"}, {"hardinfo", "hardinfo"}};

// XDG_CURRENT_DESKTOP lists the desktop and what it derives from, most
// specific first ("ubuntu:GNOME"); each known name adds its own tool.
std::vector<SysInfoTool> toolsInPreferredOrder() {
    std::vector<SysInfoTool> tools;
    const QStringList desktops = qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(u':');
    for (const QString& desktop : desktops) {
        if (desktop.compare(u"KDE", Qt::CaseInsensitive) == 0) tools.push_back(kKdeTool);
        if (desktop.compare(u"GNOME", Qt::CaseInsensitive) == 0) tools.push_back(kGnomeTool);
    }
    tools.insert(tools.end(), std::begin(kAnyDesktopTools), std::end(kAnyDesktopTools));
    return tools;
}

// Looked up afresh each time: a tool installed while the game runs counts.
std::string installedToolCommand() {
    for (const SysInfoTool& tool : toolsInPreferredOrder()) {
        if (!QStandardPaths::findExecutable(QString::fromLatin1(tool.program)).isEmpty()) {
            return tool.commandLine;
        }
    }
    return {};
}

}  // namespace

// Read-only, so any access mask is granted.
long DesktopRegistry::open(RegistryHandle root, const std::string& keyPath,
                           std::uint32_t /*accessMask*/, RegistryHandle& handle) {
    handle = 0;
    if (root != kHkeyLocalMachine || keyPath != kSysInfoPathKey) {
        return kErrorFileNotFound;
    }
    handle = ++m_lastHandle;
    m_openKeys.insert(handle);
    return kErrorSuccess;
}

long DesktopRegistry::queryValue(RegistryHandle handle, const std::string& valueName,
                                 std::uint32_t& type, std::span<char> buffer, std::uint32_t& size) {
    if (!m_openKeys.contains(handle)) {
        return kErrorInvalidHandle;
    }
    if (valueName != kSysInfoPathValue) {
        return kErrorFileNotFound;
    }
    const std::string command = installedToolCommand();
    if (command.empty()) {
        return kErrorFileNotFound;
    }
    const std::string data = command + '\0';  // stored as the Windows registry stores a text
    const std::size_t capacity = std::min<std::size_t>(size, buffer.size());
    type = kRegSz;
    size = static_cast<std::uint32_t>(data.size());
    if (data.size() > capacity) {
        return kErrorMoreData;
    }
    std::copy(data.begin(), data.end(), buffer.begin());
    return kErrorSuccess;
}

long DesktopRegistry::close(RegistryHandle handle) {
    return m_openKeys.erase(handle) == 1 ? kErrorSuccess : kErrorInvalidHandle;
}

}  // namespace tenebrix::platform
