// SPDX-License-Identifier: GPL-3.0-or-later
// Reader of the registry stand-in file; the format is described in RegistryFile.h.
#include "RegistryFile.h"

#include <array>
#include <utility>

namespace tenebrix::platform {

namespace {

constexpr std::array<std::pair<std::string_view, RegistryHandle>, 5> kRoots{{
    {"HKEY_CLASSES_ROOT", kHkeyClassesRoot},
    {"HKEY_CURRENT_USER", kHkeyCurrentUser},
    {"HKEY_LOCAL_MACHINE", kHkeyLocalMachine},
    {"HKEY_USERS", kHkeyUsers},
    {"HKEY_CURRENT_CONFIG", kHkeyCurrentConfig},
}};

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

int hexDigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// 1 to `maxDigits` hex digits and nothing else.
bool readHexNumber(std::string_view digits, std::size_t maxDigits, std::uint32_t& value) {
    if (digits.empty() || digits.size() > maxDigits) {
        return false;
    }
    value = 0;
    for (const char c : digits) {
        const int digit = hexDigitValue(c);
        if (digit < 0) {
            return false;
        }
        value = value * 16 + static_cast<std::uint32_t>(digit);
    }
    return true;
}

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           registryNameKey(text.substr(0, prefix.size())) == registryNameKey(prefix);
}

// Takes a quoted text off the front of `rest`, undoing the \\ and \" escapes.
bool takeQuoted(std::string_view& rest, std::string& text, std::string& error) {
    text.clear();
    for (std::size_t i = 1; i < rest.size(); ++i) {
        const char c = rest[i];
        if (c == '"') {
            rest.remove_prefix(i + 1);
            return true;
        }
        if (c == '\\') {
            if (i + 1 >= rest.size() || (rest[i + 1] != '\\' && rest[i + 1] != '"')) {
                error = "a backslash inside quotes must be written \\\\ (or \\\" for a quote)";
                return false;
            }
            ++i;
        }
        text += rest[i];
    }
    error = "missing closing quote";
    return false;
}

bool readHexBytes(std::string_view list, std::string& bytes, std::string& error) {
    bytes.clear();
    list = trimmed(list);
    while (!list.empty()) {
        const auto comma = list.find(',');
        const auto token = trimmed(list.substr(0, comma));
        std::uint32_t byte = 0;
        if (!readHexNumber(token, 2, byte)) {
            error = "bytes must be written as hex pairs separated by commas";
            return false;
        }
        bytes += static_cast<char>(byte);
        if (comma == std::string_view::npos) {
            break;
        }
        list.remove_prefix(comma + 1);
        if (trimmed(list).empty()) {
            error = "a byte list must not end in a comma";
            return false;
        }
    }
    return true;
}

bool readQuotedData(std::string_view data, RegistryValue& value, std::string& error) {
    std::string text;
    if (!takeQuoted(data, text, error)) {
        return false;
    }
    if (!trimmed(data).empty()) {
        error = "unexpected text after the closing quote";
        return false;
    }
    value = {kRegSz, text + '\0'};
    return true;
}

bool readData(std::string_view data, RegistryValue& value, std::string& error) {
    if (data.starts_with('"')) {
        return readQuotedData(data, value, error);
    }
    if (startsWithNoCase(data, "dword:")) {
        std::uint32_t number = 0;
        if (!readHexNumber(trimmed(data.substr(6)), 8, number)) {
            error = "dword: takes 1 to 8 hex digits";
            return false;
        }
        value.type = kRegDword;
        value.data.clear();
        for (int byte = 0; byte < 4; ++byte) {
            value.data += static_cast<char>((number >> (8 * byte)) & 0xFF);
        }
        return true;
    }
    if (startsWithNoCase(data, "hex:")) {
        value.type = kRegBinary;
        return readHexBytes(data.substr(4), value.data, error);
    }
    if (startsWithNoCase(data, "hex(")) {
        const auto close = data.find("):");
        if (close == std::string_view::npos ||
            !readHexNumber(data.substr(4, close - 4), 8, value.type)) {
            error = "hex(t): takes a type of 1 to 8 hex digits";
            return false;
        }
        return readHexBytes(data.substr(close + 2), value.data, error);
    }
    error = "a value must be \"text\", dword:, hex: or hex(t):";
    return false;
}

bool readValueLine(std::string_view line, std::string& name, RegistryValue& value,
                   std::string& error) {
    if (line.starts_with('@')) {
        name.clear();
        line.remove_prefix(1);
    } else if (!line.starts_with('"') || !takeQuoted(line, name, error)) {
        if (error.empty()) {
            error = "a line must be a [key], a \"name\"=value, @=value or a comment";
        }
        return false;
    }
    line = trimmed(line);
    if (!line.starts_with('=')) {
        error = "'=' expected after the value name";
        return false;
    }
    return readData(trimmed(line.substr(1)), value, error);
}

bool readSectionLine(std::string_view line, RegistryKeyName& key, std::string& error) {
    if (!line.ends_with(']')) {
        error = "a key line must end in ']'";
        return false;
    }
    const auto name = line.substr(1, line.size() - 2);
    const auto separator = name.find('\\');
    const auto rootName = registryNameKey(name.substr(0, separator));
    key = {};
    for (const auto& [rootText, root] : kRoots) {
        if (rootName == rootText) {
            key.root = root;
        }
    }
    if (key.root == 0) {
        error = "unknown root key \"" + rootName + "\"";
        return false;
    }
    if (separator != std::string_view::npos) {
        key.path = registryNameKey(name.substr(separator + 1));
        if (key.path.empty() || key.path.starts_with('\\') || key.path.ends_with('\\') ||
            key.path.find("\\\\") != std::string::npos) {
            error = "empty part in the key path";
            return false;
        }
    }
    return true;
}

// Listing a key makes its parents exist, as they would in a real registry.
void addKeyWithParents(std::map<RegistryKeyName, RegistryValues>& keys, RegistryKeyName key) {
    keys[key];
    while (!key.path.empty()) {
        const auto separator = key.path.rfind('\\');
        key.path.resize(separator == std::string::npos ? 0 : separator);
        keys[key];
    }
}

}  // namespace

std::string registryNameKey(std::string_view name) {
    std::string key(name);
    for (char& c : key) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return key;
}

RegistryFileContents parseRegistryFile(std::string_view text) {
    RegistryFileContents contents;
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    RegistryValues* section = nullptr;
    for (int lineNumber = 1; !text.empty(); ++lineNumber) {
        const auto end = text.find('\n');
        auto line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        line = trimmed(line);
        if (line.empty() || line.starts_with(';') || line.starts_with('#')) {
            continue;
        }
        std::string error;
        if (line.starts_with('[')) {
            RegistryKeyName key;
            if (readSectionLine(line, key, error)) {
                addKeyWithParents(contents.keys, key);
                section = &contents.keys[key];
            }
        } else if (section == nullptr) {
            error = "a value line before the first [key] line";
        } else {
            std::string name;
            RegistryValue value;
            if (readValueLine(line, name, value, error)) {
                (*section)[registryNameKey(name)] = value;
            }
        }
        if (!error.empty()) {
            contents.error = error;
            contents.errorLine = lineNumber;
            return contents;
        }
    }
    return contents;
}

}  // namespace tenebrix::platform
