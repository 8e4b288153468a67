// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer entry for the registry stand-in file: any bytes are a file. The
// text goes through the reader in memory, then, written to disk, through the
// file registry, GetKeyValue for both System Info entries and the System Info
// command itself.
#include <unistd.h>

#include <QtGlobal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "CountingRegistry.h"
#include "FakeLauncher.h"
#include "FakeMessageSink.h"
#include "FileRegistry.h"
#include "FuzzCheck.h"
#include "RegistryChecks.h"
#include "SystemInfo.h"

using namespace tenebrix;
using tenebrix::fuzz::require;

namespace {

std::string registryFilePath;

// A bad file is answered with a warning on every open; at thousands of
// files a second that would bury the fuzzer's own report.
void discardQtMessages(QtMsgType, const QMessageLogContext&, const QString&) {}

void removeRegistryFile() {
    std::remove(registryFilePath.c_str());
}

void writeRegistryFile(std::string_view text) {
    std::ofstream file(registryFilePath, std::ios::binary | std::ios::trunc);
    file.write(text.data(), static_cast<std::streamsize>(text.size()));
    require(file.good(), "the fuzzer can write its registry file");
}

fuzz::Lookup lookUp(platform::Registry& registry, const char* keyPath, const char* valueName) {
    fuzz::Lookup lookup;
    try {
        lookup.found = platform::GetKeyValue(registry, platform::kHkeyLocalMachine, keyPath,
                                             valueName, lookup.value);
    } catch (const platform::RegistryValueError&) {
        lookup.unreadable = true;
    }
    return lookup;
}

// Runs the command with the programs the entries name on the disk or not,
// and checks that it either started one or said it could not, never both.
void checkSystemInfo(platform::Registry& registry, const fuzz::Lookup& path,
                     const fuzz::Lookup& folder, bool programsExist) {
    testing::FakeLauncher launcher;
    testing::FakeMessageSink messages;
    const std::string program = folder.value + platform::kSysInfoProgramName;
    if (programsExist) launcher.existingFiles = {path.value, program};
    platform::StartSysInfo(registry, launcher, messages);

    bool started = false;
    if (path.found) {
        require(launcher.launched == std::vector{path.value} && launcher.existenceTests.empty(),
                "the first entry is started as it stands, unchecked");
        started = programsExist;
    } else if (!path.unreadable && folder.found) {
        started = programsExist;
        require(launcher.launched == (started ? std::vector{program} : std::vector<std::string>{}),
                "the folder's program is started when it is there, and only then");
    } else {
        require(launcher.launched.empty(), "nothing is started without an entry");
    }
    require(messages.shown.size() == (started ? 0u : 1u),
            "the command starts the tool or says it cannot, once");
    for (const auto& shown : messages.shown) {
        require(shown.text == platform::kSysInfoUnavailableMessage &&
                    shown.title == platform::kSysInfoMessageTitle,
                "the failure message is the one the About box shows");
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qInstallMessageHandler(discardQtMessages);
    registryFilePath = (std::filesystem::temp_directory_path() /
                        ("tenebrix-fuzz-registry-" + std::to_string(getpid()) + ".reg"))
                           .string();
    std::atexit(removeRegistryFile);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto contents = platform::parseRegistryFile(text);
    fuzz::checkParsedFile(contents, text);

    writeRegistryFile(text);
    platform::FileRegistry file(QString::fromStdString(registryFilePath));
    fuzz::CountingRegistry registry(file);
    const auto path = lookUp(registry, platform::kSysInfoPathKey, platform::kSysInfoPathValue);
    const auto folder =
        lookUp(registry, platform::kSysInfoFolderKey, platform::kSysInfoFolderValue);
    fuzz::checkLookup(contents, platform::kSysInfoPathKey, platform::kSysInfoPathValue, path);
    fuzz::checkLookup(contents, platform::kSysInfoFolderKey, platform::kSysInfoFolderValue, folder);
    // Every open reads the file afresh, which is the slow part of a run, so
    // the command runs once: with the programs on the disk for inputs of odd
    // length, without for even.
    checkSystemInfo(registry, path, folder, size % 2 == 1);
    require(registry.openKeys.empty(), "every key opened is closed again");
    return 0;
}
