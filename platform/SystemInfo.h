// SPDX-License-Identifier: GPL-3.0-or-later
// The About box's "System Info..." command: finds the system information
// tool through two registry entries and starts it, or says it cannot.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>

#include "AboutForm.h"
#include "Launcher.h"
#include "Message.h"
#include "Registry.h"
#include "Translate.h"

namespace tenebrix::platform {

// First choice: the full path of the tool's program file.
inline constexpr const char* kSysInfoPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr const char* kSysInfoPathValue = "PATH";
// Second choice: the folder of the tool, to which kSysInfoProgramName is appended.
inline constexpr const char* kSysInfoFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr const char* kSysInfoFolderValue = "MSINFO";
// Appended with its backslash even where paths use '/': the entry names a
// Windows folder, and a stand-in registry can store a folder path that suits.
inline constexpr const char* kSysInfoProgramName = "\\MSINFO32.EXE";

// TRANSLATORS: the About box's System Info... when no system information
// tool can be found or started.
inline constexpr const char* kSysInfoUnavailableMessage =
    N_("System Information Is Unavailable At This Time");
// The About box shows it under the program's title.
inline constexpr const char* kSysInfoMessageTitle = forms::frmAbout::kTitle;

// Values are read into a buffer of this many bytes; a larger one counts as absent.
inline constexpr std::uint32_t kRegistryValueBufferSize = 1024;

// A value that was read but cannot be turned into text: one of size 0, or a
// number value with no digits or too many. StartSysInfo answers it with its
// failure message.
class RegistryValueError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Reads value `SubKeyRef` of key `KeyName` under `KeyRoot` into `KeyVal`.
// Returns false, with `KeyVal` emptied, when the key cannot be opened or the
// value cannot be read (also when it is larger than the buffer). A text value
// (type 1) gives its text without a final NUL; a number value (type 4) gives
// the decimal rendering described in SystemInfo.cpp; any other type leaves
// `KeyVal` as it was and still returns true. The key is closed on every path.
// Throws RegistryValueError for a value it cannot turn into text.
bool GetKeyValue(Registry& registry, RegistryHandle KeyRoot, const std::string& KeyName,
                 const std::string& SubKeyRef, std::string& KeyVal);

// Starts the system information tool. When it cannot be found or started,
// returns the message the player must see instead: kSysInfoUnavailableMessage
// titled kSysInfoMessageTitle, OK only, no icon. Nothing here shows it, so
// this stays free of any window toolkit.
std::optional<Message> StartSysInfo(Registry& registry, Launcher& launcher);

}  // namespace tenebrix::platform
