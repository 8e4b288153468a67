// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's registry: which system information tool is installed.
#include "DesktopRegistry.h"

#include <QStandardPaths>
#include <QStringList>
#include <QtGlobal>
#include <algorithm>
#include <vector>

#include "GnomeSettings.h"
#include "SystemInfo.h"

namespace tenebrix::platform {

namespace {

struct SysInfoTool {
    const char* program;
    const char* commandLine;  // null: the program is asked which page to open
};

constexpr SysInfoTool kKdeTool{"kinfocenter", "kinfocenter"};
// GNOME Settings keeps its About page in a panel that changed its name.
constexpr SysInfoTool kGnomeTool{"gnome-control-center", nullptr};
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
// A GNOME Settings without an About page the game knows is passed over.
std::string installedToolCommand() {
    for (const SysInfoTool& tool : toolsInPreferredOrder()) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(tool.program));
        if (path.isEmpty()) continue;
        const std::string command = tool.commandLine ? tool.commandLine : gnomeAboutCommand(path);
        if (!command.empty()) return command;
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
