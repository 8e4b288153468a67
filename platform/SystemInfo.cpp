// SPDX-License-Identifier: GPL-3.0-or-later
// Finding and starting the system information tool.
#include "SystemInfo.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <exception>
#include <string>

namespace tenebrix::platform {

namespace {

// Closes the key whatever way GetKeyValue leaves, the open failing included
// (the handle is then 0 and the registry refuses it harmlessly).
class KeyCloser {
  public:
    KeyCloser(Registry& registry, const RegistryHandle& key) : m_registry(registry), m_key(key) {}
    ~KeyCloser() { m_registry.close(m_key); }
    KeyCloser(const KeyCloser&) = delete;
    KeyCloser& operator=(const KeyCloser&) = delete;

  private:
    Registry& m_registry;
    const RegistryHandle& m_key;
};

using ValueBuffer = std::array<char, kRegistryValueBufferSize>;

// The value's bytes without the NUL that ends a text stored the usual way; a
// text stored without it loses nothing.
std::string trimmedValue(const ValueBuffer& buffer, std::uint32_t size) {
    if (size == 0) {
        throw RegistryValueError("the registry value is empty");
    }
    const std::size_t end = std::min<std::size_t>(size, buffer.size());
    const std::size_t length = buffer[end - 1] == '\0' ? end - 1 : end;
    return std::string(buffer.data(), length);
}

std::string hexWithoutLeadingZero(unsigned char byte) {
    constexpr const char* kDigits = "0123456789ABCDEF";
    std::string digits;
    if (byte >= 16) {
        digits += kDigits[byte / 16];
    }
    digits += kDigits[byte % 16];
    return digits;
}

// Neither entry should hold a number, but one that does still gets a text:
// the hex digits of each byte without a leading zero, last byte first, read as
// one hex number and written in decimal. So 1A 00 00 (a stored 26 once its last byte
// went as a NUL) reads "001A" and gives "26"; bytes 05 01 give "15", i.e. 21.
// No digits at all, or a number past 64 bits, cannot be written.
std::string numberValueText(const std::string& bytes) {
    std::string digits;
    for (auto byte = bytes.rbegin(); byte != bytes.rend(); ++byte) {
        digits += hexWithoutLeadingZero(static_cast<unsigned char>(*byte));
    }
    if (digits.empty()) {
        throw RegistryValueError("the number value has no digits");
    }
    const auto first = digits.find_first_not_of('0');
    const std::string significant = first == std::string::npos ? "0" : digits.substr(first);
    if (significant.size() > 16) {
        throw RegistryValueError("the number value is too large");
    }
    // At most 16 of our own upper-case digits: no overflow, nothing to
    // reject. Not std::stoull, whose error path brings printf into the web
    // page's program.
    std::uint64_t value = 0;
    for (const char digit : significant)
        value =
            value * 16 + static_cast<std::uint64_t>(digit <= '9' ? digit - '0' : digit - 'A' + 10);
    return std::to_string(value);
}

// Entry 1 is trusted as it stands and launched without a look at the disk;
// entry 2 is only a folder, so the program in it must be there.
bool launchSysInfo(Registry& registry, Launcher& launcher) {
    std::string path;
    if (GetKeyValue(registry, kHkeyLocalMachine, kSysInfoPathKey, kSysInfoPathValue, path)) {
        return launcher.launch(path);
    }
    if (!GetKeyValue(registry, kHkeyLocalMachine, kSysInfoFolderKey, kSysInfoFolderValue, path)) {
        return false;
    }
    const std::string program = path + kSysInfoProgramName;
    return launcher.fileExists(program) && launcher.launch(program);
}

}  // namespace

// The key is opened for reading: asking for all access, as the game once
// did, is refused under HKEY_LOCAL_MACHINE to a program that is not elevated,
// and System Info would never be found.
bool GetKeyValue(Registry& registry, RegistryHandle KeyRoot, const std::string& KeyName,
                 const std::string& SubKeyRef, std::string& KeyVal) {
    RegistryHandle key = 0;
    const KeyCloser closer(registry, key);
    if (registry.open(KeyRoot, KeyName, kKeyRead, key) != kErrorSuccess) {
        KeyVal.clear();
        return false;
    }
    ValueBuffer buffer{};
    std::uint32_t size = kRegistryValueBufferSize;
    std::uint32_t type = 0;
    if (registry.queryValue(key, SubKeyRef, type, buffer, size) != kErrorSuccess) {
        KeyVal.clear();
        return false;
    }
    const std::string value = trimmedValue(buffer, size);
    if (type == kRegSz) {
        KeyVal = value;
    } else if (type == kRegDword) {
        KeyVal = numberValueText(value);
    }
    return true;
}

// Whatever goes wrong on the way, an unreadable value or a program that will
// not start, ends in the same message; the About box stays open.
std::optional<Message> StartSysInfo(Registry& registry, Launcher& launcher) {
    try {
        if (launchSysInfo(registry, launcher)) {
            return std::nullopt;
        }
    } catch (const std::exception&) {
    }
    return Message{i18n::tr(kSysInfoUnavailableMessage), kSysInfoMessageTitle};
}

}  // namespace tenebrix::platform
