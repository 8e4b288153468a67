// SPDX-License-Identifier: GPL-3.0-or-later
// The text format of the file that stands in for the registry on systems
// without one, and its reader.
//
// The format follows the familiar registry export files:
//
//     ; comment lines start with ';' or '#'; blank lines are ignored
//     [HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Shared Tools\MSINFO]
//     "PATH"="/usr/bin/system-information"
//     "Count"=dword:0000001a
//     "Blob"=hex:41,42,00
//     "Bare"=hex(1):41,42
//     @="the key's unnamed value"
//
// - A section line names a key: a root (HKEY_CLASSES_ROOT, HKEY_CURRENT_USER,
//   HKEY_LOCAL_MACHINE, HKEY_USERS or HKEY_CURRENT_CONFIG), then the key path.
//   Every value line belongs to the section above it. Listing a key makes its
//   parent keys exist too.
// - A value line is a quoted name (or @ for the unnamed value), '=' and data:
//   - "text": a text value (type 1) stored with its final NUL, as the real
//     registry stores it. Inside quotes, \\ stands for \ and \" for ".
//   - dword:hhhhhhhh: a 32-bit number (type 4), 1 to 8 hex digits, stored as
//     4 bytes, low byte first.
//   - hex:hh,hh,...: raw bytes (type 3); hex(t):hh,... raw bytes of type t.
//     The list may be empty. This is how a text without its final NUL, an
//     empty value or a value of any size is written.
// - Key paths and value names match without regard to case; a value given
//   twice keeps the last.
// Any other line makes the whole file invalid: a half-read registry would
// send the launcher to the wrong place without saying why.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "Registry.h"

namespace tenebrix::platform {

struct RegistryValue {
    std::uint32_t type = 0;
    std::string data;  // the raw bytes

    bool operator==(const RegistryValue&) const = default;
};

// A key's values by upper-cased name.
using RegistryValues = std::map<std::string, RegistryValue>;

struct RegistryKeyName {
    RegistryHandle root = 0;
    std::string path;  // upper-cased, parts separated by '\'

    auto operator<=>(const RegistryKeyName&) const = default;
};

struct RegistryFileContents {
    std::map<RegistryKeyName, RegistryValues> keys;
    // Empty when the text was read in full; otherwise what is wrong, and the
    // 1-based line where it is.
    std::string error;
    int errorLine = 0;

    bool isValid() const { return error.empty(); }
};

// Reads the whole text. On the first malformed line it stops and reports it;
// the keys read so far are then not to be used.
RegistryFileContents parseRegistryFile(std::string_view text);

// The upper-cased form used for key paths and value names.
std::string registryNameKey(std::string_view name);

}  // namespace tenebrix::platform
