// SPDX-License-Identifier: GPL-3.0-or-later
// The Windows registry code run against a real Windows registry (Wine's, from
// scripts/windows-check): reads, failures, and System Info end to end.
#include <windows.h>

#include <array>
#include <cstdio>

#include "SystemInfo.h"
#include "WindowsRegistry.h"

using namespace tenebrix::platform;

namespace {

// Written out rather than taken from the code, so a misspelt key fails.
constexpr const char* kPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr const char* kFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
constexpr const char* kVersionKey = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
constexpr const char* kTool = "C:\\SysInfo\\MSINFO32.EXE";

int failures = 0;
void check(bool passed, const char* what) {
    std::printf("%s: %s\n", passed ? "ok" : "FAILED", what);
    failures += passed ? 0 : 1;
}

// Tests the disk for real; records launches, one after the other, instead of making them.
class RecordingLauncher : public Launcher {
  public:
    std::string launched;
    bool fileExists(const std::string& path) override {
        return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    }
    bool launch(const std::string& commandLine) override {
        launched += commandLine;
        return true;
    }
};

// Set-up goes straight to the system, not through the code under test.
void setText(const char* keyPath, const char* name, const std::string& text) {
    RegSetKeyValueA(HKEY_LOCAL_MACHINE, keyPath, name, REG_SZ, text.c_str(), text.size() + 1);
}

void readsValuesAndFailures() {
    const auto windows = makeWindowsRegistry();
    Registry& registry = *windows;
    std::array<char, 1024> expected{};
    DWORD expectedSize = expected.size();
    RegGetValueA(HKEY_LOCAL_MACHINE, kVersionKey, "ProductName", RRF_RT_REG_SZ, nullptr,
                 expected.data(), &expectedSize);
    std::string name;
    const bool read = GetKeyValue(registry, kHkeyLocalMachine, kVersionKey, "ProductName", name);
    check(read && expectedSize > 1 && name == expected.data(),
          "GetKeyValue reads ProductName as the system does, without the NUL");

    RegistryHandle key = 0;
    std::array<char, 1024> buffer{};
    std::uint32_t type = 0, size = buffer.size();
    check(registry.open(kHkeyLocalMachine, kVersionKey, kKeyAllAccess, key) == kErrorSuccess &&
              registry.queryValue(key, "ProductName", type, buffer, size) == kErrorSuccess &&
              type == kRegSz && size == expectedSize && buffer[size - 1] == '\0',
          "reads a text value with its type, size and final NUL");
    size = 4;
    check(registry.queryValue(key, "ProductName", type, buffer, size) == kErrorMoreData &&
              size == expectedSize,
          "a value larger than the buffer: error 234 and its true size");
    check(registry.queryValue(key, "NoSuchValue", type, buffer, size) == kErrorFileNotFound,
          "a missing value: error 2");
    check(registry.close(key) == kErrorSuccess, "closes the key");
    const long opened = registry.open(kHkeyLocalMachine, "SOFTWARE\\NoSuchKey", kKeyAllAccess, key);
    check(opened == kErrorFileNotFound && key == 0, "a missing key: error 2 and handle 0");
    check(registry.close(0) != kErrorSuccess, "closing no key is refused");
}

// True when System Info launched exactly `expected` (empty: nothing, the message instead).
bool startSysInfoDoes(const std::string& expected) {
    const auto windows = makeWindowsRegistry();
    Registry& registry = *windows;
    RecordingLauncher launcher;
    const auto message = StartSysInfo(registry, launcher);
    return launcher.launched == expected && message.has_value() == expected.empty();
}

void startsSysInfoFromTheRegistry() {
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, kPathKey);
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, kFolderKey);
    check(startSysInfoDoes(""), "neither entry: the message");

    CreateDirectoryA("C:\\SysInfo", nullptr);
    CloseHandle(CreateFileA(kTool, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                            nullptr));
    setText(kFolderKey, "MSINFO", "C:\\SysInfo");
    const std::string entry1 = "C:\\Program Files\\Not There\\msinfo32.exe";
    setText(kPathKey, "PATH", entry1);
    check(startSysInfoDoes(entry1), "entry 1: its path as it stands, even with entry 2 there");

    RegDeleteKeyA(HKEY_LOCAL_MACHINE, kPathKey);
    check(startSysInfoDoes(kTool), "only entry 2: its folder and \\MSINFO32.EXE");
    DeleteFileA(kTool);
    check(startSysInfoDoes(""), "only entry 2, no MSINFO32.EXE there: the message");
}

}  // namespace

int main() {
    readsValuesAndFailures();
    startsSysInfoFromTheRegistry();
    std::printf("%s\n", failures == 0 ? "all Windows registry checks passed"
                                      : "some Windows registry checks FAILED");
    return failures == 0 ? 0 : 1;
}
