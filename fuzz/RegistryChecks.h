// SPDX-License-Identifier: GPL-3.0-or-later
// What the registry stand-in file reader and GetKeyValue promise, checked
// against any text: the shape of what the reader keeps, and what a lookup
// must give for the keys and values the reader found.
#pragma once

#include <string>
#include <string_view>

#include "RegistryFile.h"

namespace tenebrix::fuzz {

// The outcome of one GetKeyValue call.
struct Lookup {
    bool found = false;
    bool unreadable = false;  // RegistryValueError was thrown
    std::string value;        // starts empty, as the System Info command's does
};

// Aborts when the reader kept a malformed key or value, or reported an error
// on a line the text does not have.
void checkParsedFile(const platform::RegistryFileContents& contents, std::string_view text);

// Aborts when `lookup` of `valueName` under `keyPath` (below
// HKEY_LOCAL_MACHINE) is not what the parsed file and GetKeyValue's contract
// say it must be.
void checkLookup(const platform::RegistryFileContents& contents, const char* keyPath,
                 const char* valueName, const Lookup& lookup);

}  // namespace tenebrix::fuzz
