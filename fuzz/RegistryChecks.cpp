// SPDX-License-Identifier: GPL-3.0-or-later
// The registry reader's and GetKeyValue's promises, checked.
#include "RegistryChecks.h"

#include <algorithm>

#include "FuzzCheck.h"
#include "SystemInfo.h"

namespace tenebrix::fuzz {

namespace {

bool isRoot(platform::RegistryHandle root) {
    return root == platform::kHkeyClassesRoot || root == platform::kHkeyCurrentUser ||
           root == platform::kHkeyLocalMachine || root == platform::kHkeyUsers ||
           root == platform::kHkeyCurrentConfig;
}

bool hasEmptyPart(const std::string& path) {
    return path.starts_with('\\') || path.ends_with('\\') || path.find("\\\\") != std::string::npos;
}

std::string parentOf(const std::string& path) {
    const auto separator = path.rfind('\\');
    return separator == std::string::npos ? std::string() : path.substr(0, separator);
}

bool isDecimal(const std::string& text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

void checkParsedFile(const platform::RegistryFileContents& contents, std::string_view text) {
    if (!contents.isValid()) {
        const auto lines = std::count(text.begin(), text.end(), '\n') + 1;
        require(contents.errorLine >= 1 && contents.errorLine <= lines,
                "an error names a line of the file");
        return;
    }
    for (const auto& [key, values] : contents.keys) {
        require(isRoot(key.root), "every key lies under one of the five roots");
        require(key.path == platform::registryNameKey(key.path), "key paths are kept upper-cased");
        require(key.path.empty() || !hasEmptyPart(key.path), "a key path has no empty part");
        if (!key.path.empty()) {
            require(contents.keys.contains({key.root, parentOf(key.path)}),
                    "a key's parent exists too");
        }
        // Types and sizes are free: hex(t): writes any bytes as any type.
        for (const auto& entry : values) {
            require(entry.first == platform::registryNameKey(entry.first),
                    "value names are kept upper-cased");
        }
    }
}

void checkLookup(const platform::RegistryFileContents& contents, const char* keyPath,
                 const char* valueName, const Lookup& lookup) {
    if (!lookup.found && !lookup.unreadable) {
        require(lookup.value.empty(), "a value not found reads as empty");
    }
    const auto key =
        contents.keys.find({platform::kHkeyLocalMachine, platform::registryNameKey(keyPath)});
    if (!contents.isValid() || key == contents.keys.end()) {
        require(!lookup.found && !lookup.unreadable, "a bad file or a missing key finds nothing");
        return;
    }
    const auto value = key->second.find(platform::registryNameKey(valueName));
    if (value == key->second.end() ||
        value->second.data.size() > platform::kRegistryValueBufferSize) {
        require(!lookup.found && !lookup.unreadable, "a missing or oversized value finds nothing");
        return;
    }
    const auto& [type, data] = value->second;
    if (data.empty()) {
        require(lookup.unreadable, "an empty value cannot be read");
    } else if (type == platform::kRegSz) {
        const auto end = data.ends_with('\0') ? data.size() - 1 : data.size();
        require(lookup.found && lookup.value == data.substr(0, end),
                "a text value reads as stored, without its final NUL");
    } else if (type == platform::kRegDword) {
        require(lookup.unreadable || (lookup.found && isDecimal(lookup.value)),
                "a number value reads as decimal digits, or cannot be read");
    } else {
        require(lookup.found && lookup.value.empty(),
                "a value of another type leaves the text as it was");
    }
}

}  // namespace tenebrix::fuzz
