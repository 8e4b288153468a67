// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a compiled gettext catalogue.
#include "Catalogue.h"

#include <optional>

namespace tenebrix::i18n {

namespace {

constexpr std::uint32_t kMagic = 0x950412de;
constexpr std::uint32_t kSwappedMagic = 0xde120495;
// msgctxt and msgid are stored as one key, joined by this byte.
constexpr char kContextSeparator = '\x04';

class MoReader {
  public:
    explicit MoReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::optional<std::uint32_t> word(std::size_t offset) const {
        if (offset > bytes_.size() || bytes_.size() - offset < 4) return std::nullopt;
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            const std::uint32_t byte = bytes_[offset + static_cast<std::size_t>(i)];
            value |= byteSwapped_ ? byte << (8 * (3 - i)) : byte << (8 * i);
        }
        return value;
    }

    bool readMagic() {
        const auto magic = word(0);
        if (magic == kSwappedMagic) {
            byteSwapped_ = true;
            return true;
        }
        return magic == kMagic;
    }

    // The string described by the table entry at `entry`: its length, then
    // its offset; it must lie inside the file.
    std::optional<std::string> string(std::size_t entry) const {
        const auto length = word(entry);
        const auto offset = word(entry + 4);
        if (!length || !offset || *offset > bytes_.size() || bytes_.size() - *offset < *length)
            return std::nullopt;
        const auto* start = reinterpret_cast<const char*>(bytes_.data()) + *offset;
        return std::string(start, *length);
    }

  private:
    std::span<const std::uint8_t> bytes_;
    bool byteSwapped_ = false;
};

// "a\0b\0c" -> {"a", "b", "c"}: the forms of a text with a number.
std::vector<std::string> splitForms(const std::string& joined) {
    std::vector<std::string> forms;
    std::size_t start = 0;
    for (;;) {
        const auto end = joined.find('\0', start);
        forms.push_back(joined.substr(start, end - start));
        if (end == std::string::npos) return forms;
        start = end + 1;
    }
}

}  // namespace

Catalogue Catalogue::fromMo(std::span<const std::uint8_t> bytes) {
    Catalogue catalogue;
    catalogue.valid_ = false;
    MoReader reader(bytes);
    if (!reader.readMagic()) return catalogue;
    const auto revision = reader.word(4);
    const auto count = reader.word(8);
    const auto originals = reader.word(12);
    const auto translations = reader.word(16);
    if (!revision || (*revision >> 16) > 1 || !count || !originals || !translations)
        return catalogue;
    Catalogue read;
    for (std::uint32_t i = 0; i < *count; ++i) {
        const auto key = reader.string(*originals + 8ull * i);
        const auto value = reader.string(*translations + 8ull * i);
        if (!key || !value) return catalogue;
        // A text with a number is stored under its singular.
        const std::string msgid = key->substr(0, key->find('\0'));
        if (msgid.empty()) {
            read.readHeader(*value);
            continue;
        }
        read.texts_[msgid] = splitForms(*value);
    }
    return read;
}

void Catalogue::readHeader(const std::string& header) {
    for (std::size_t start = 0; start < header.size();) {
        auto end = header.find('\n', start);
        if (end == std::string::npos) end = header.size();
        const std::string_view line(header.data() + start, end - start);
        if (line.starts_with("Plural-Forms:")) {
            if (auto rule = PluralRule::parse(line.substr(13))) plural_ = std::move(*rule);
        } else if (line.starts_with("Language:")) {
            std::string_view value = line.substr(9);
            while (!value.empty() && value.front() == ' ') value.remove_prefix(1);
            while (!value.empty() && (value.back() == ' ' || value.back() == '\r'))
                value.remove_suffix(1);
            language_ = std::string(value);
        }
        start = end + 1;
    }
}

const std::vector<std::string>* Catalogue::find(std::string_view msgid,
                                                std::string_view context) const {
    std::string key;
    if (!context.empty()) {
        key.append(context);
        key += kContextSeparator;
    }
    key.append(msgid);
    const auto found = texts_.find(key);
    return found == texts_.end() ? nullptr : &found->second;
}

std::string_view Catalogue::translate(std::string_view msgid, std::string_view context) const {
    const auto* forms = find(msgid, context);
    // An empty translation is one not yet made: the English stands.
    if (!forms || forms->empty() || forms->front().empty()) return msgid;
    return forms->front();
}

std::string_view Catalogue::translatePlural(std::string_view singular, std::string_view plural,
                                            unsigned long count, std::string_view context) const {
    const auto* forms = find(singular, context);
    if (!forms) return count == 1 ? singular : plural;
    const auto form = static_cast<std::size_t>(plural_.formFor(count));
    if (form >= forms->size() || (*forms)[form].empty()) return count == 1 ? singular : plural;
    return (*forms)[form];
}

}  // namespace tenebrix::i18n
