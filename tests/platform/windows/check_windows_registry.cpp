// SPDX-License-Identifier: GPL-3.0-or-later
// The Windows registry code run against a real Windows registry (Wine's, from
// scripts/windows-check): reads, failures, and System Info end to end.
#include <windows.h>

#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include "SystemInfo.h"
#include "WindowsRegistry.h"

using namespace tenebrix::platform;

namespace {

// Written out rather than taken from the code, so a misspelt key fails.
constexpr const char* kPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr const char* kFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
constexpr const char* kVersionKey = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";

int failures = 0;

void check(bool passed, const char* what) {
    std::printf("%s: %s\n", passed ? "ok" : "FAILED", what);
    if (!passed) ++failures;
}

// Tests the disk for real; records launches instead of making them.
class RecordingLauncher : public Launcher {
  public:
    std::vector<std::string> launched;
    bool fileExists(const std::string& path) override {
        const DWORD attributes = GetFileAttributesA(path.c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
    }
    bool launch(const std::string& commandLine) override {
        launched.push_back(commandLine);
        return true;
    }
};

class RecordingMessages : public MessageSink {
  public:
    std::vector<std::string> shown;
    void showMessage(const std::string& text, const std::string&) override {
        shown.push_back(text);
    }
};

// Set-up goes straight to the system, not through the code under test.
void setText(const char* keyPath, const char* name, const std::string& text) {
    HKEY key = nullptr;
    LONG status = RegCreateKeyExA(HKEY_LOCAL_MACHINE, keyPath, 0, nullptr, 0, KEY_ALL_ACCESS,
                                  nullptr, &key, nullptr);
    if (status == ERROR_SUCCESS) {
        status = RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                                static_cast<DWORD>(text.size() + 1));
        RegCloseKey(key);
    }
    if (status != ERROR_SUCCESS) std::printf("set-up: cannot write %s\\%s\n", keyPath, name);
}

void deleteKey(const char* keyPath) {
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, keyPath);
}

void readsValuesAndFailures() {
    WindowsRegistry registry;
    std::array<char, 1024> expected{};
    DWORD expectedSize = expected.size();
    check(RegGetValueA(HKEY_LOCAL_MACHINE, kVersionKey, "ProductName", RRF_RT_REG_SZ, nullptr,
                       expected.data(), &expectedSize) == ERROR_SUCCESS &&
              expectedSize > 1,
          "the system names its product");
    std::string productName;
    check(GetKeyValue(registry, kHkeyLocalMachine, kVersionKey, "ProductName", productName) &&
              productName == expected.data(),
          "GetKeyValue reads ProductName as the system does, without the NUL");

    RegistryHandle key = 0;
    check(registry.open(kHkeyLocalMachine, kVersionKey, kKeyAllAccess, key) == kErrorSuccess &&
              key != 0,
          "opens a key every registry has");
    std::array<char, 1024> buffer{};
    std::uint32_t type = 0;
    std::uint32_t size = buffer.size();
    check(registry.queryValue(key, "ProductName", type, buffer, size) == kErrorSuccess &&
              type == kRegSz && size == expectedSize && buffer[size - 1] == '\0',
          "reads a text value with its type, size and final NUL");
    size = 4;
    check(registry.queryValue(key, "ProductName", type, buffer, size) == kErrorMoreData &&
              size == expectedSize,
          "a value larger than the buffer: error 234 and its true size");
    size = buffer.size();
    check(registry.queryValue(key, "NoSuchValue", type, buffer, size) == kErrorFileNotFound,
          "a missing value: error 2");
    check(registry.close(key) == kErrorSuccess, "closes the key");

    key = 1;
    check(registry.open(kHkeyLocalMachine, "SOFTWARE\\NoSuchKey", kKeyAllAccess, key) ==
                  kErrorFileNotFound &&
              key == 0,
          "a missing key: error 2 and handle 0");
    check(registry.close(0) != kErrorSuccess, "closing no key is refused");
}

struct Outcome {
    std::vector<std::string> launched;
    std::vector<std::string> shown;
};

Outcome runStartSysInfo() {
    WindowsRegistry registry;
    RecordingLauncher launcher;
    RecordingMessages messages;
    StartSysInfo(registry, launcher, messages);
    return {launcher.launched, messages.shown};
}

bool launchedOnly(const Outcome& outcome, const std::string& commandLine) {
    return outcome.launched == std::vector<std::string>{commandLine} && outcome.shown.empty();
}

bool saidUnavailable(const Outcome& outcome) {
    return outcome.launched.empty() &&
           outcome.shown == std::vector<std::string>{kSysInfoUnavailableMessage};
}

void startsSysInfoFromTheRegistry() {
    deleteKey(kPathKey);
    deleteKey(kFolderKey);
    check(saidUnavailable(runStartSysInfo()), "neither entry: the message");

    CreateDirectoryA("C:\\SysInfo", nullptr);
    const HANDLE tool = CreateFileA("C:\\SysInfo\\MSINFO32.EXE", GENERIC_WRITE, 0, nullptr,
                                    CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    CloseHandle(tool);
    setText(kFolderKey, "MSINFO", "C:\\SysInfo");
    const std::string entry1 = "C:\\Program Files\\Not There\\msinfo32.exe";
    setText(kPathKey, "PATH", entry1);
    check(launchedOnly(runStartSysInfo(), entry1),
          "entry 1: its path as it stands, even with entry 2 there");

    deleteKey(kPathKey);
    check(launchedOnly(runStartSysInfo(), "C:\\SysInfo\\MSINFO32.EXE"),
          "only entry 2: its folder and \\MSINFO32.EXE");
    DeleteFileA("C:\\SysInfo\\MSINFO32.EXE");
    check(saidUnavailable(runStartSysInfo()), "only entry 2, no MSINFO32.EXE there: the message");
    deleteKey(kFolderKey);
}

}  // namespace

int main() {
    readsValuesAndFailures();
    startsSysInfoFromTheRegistry();
    std::printf("%s\n", failures == 0 ? "all Windows registry checks passed"
                                      : "some Windows registry checks FAILED");
    return failures == 0 ? 0 : 1;
}
