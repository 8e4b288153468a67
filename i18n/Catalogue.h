// SPDX-License-Identifier: GPL-3.0-or-later
// One language's catalogue: the translations of the game's texts, read from
// a compiled gettext catalogue (a .mo file, as msgfmt writes it). A text the
// catalogue does not hold stays as it is, in English.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "PluralRule.h"

namespace tenebrix::i18n {

class Catalogue {
  public:
    // The empty catalogue: every text in English.
    Catalogue() = default;

    // Reads the bytes of a .mo file. A damaged or foreign file gives the
    // empty catalogue rather than anything half read: `valid()` says which.
    static Catalogue fromMo(std::span<const std::uint8_t> bytes);

    bool valid() const { return valid_; }
    bool empty() const { return texts_.empty(); }
    std::size_t size() const { return texts_.size(); }

    // The translation of `msgid` (in `context`, if given); `msgid` itself
    // when there is none.
    std::string_view translate(std::string_view msgid, std::string_view context = {}) const;
    // The form of a text with a number, for `count`; English's own choice
    // (`singular` for 1, else `plural`) when there is no translation.
    std::string_view translatePlural(std::string_view singular, std::string_view plural,
                                     unsigned long count, std::string_view context = {}) const;
    // The catalogue's language, from its header ("de", "pt_BR"); empty when unknown.
    const std::string& language() const { return language_; }

  private:
    const std::vector<std::string>* find(std::string_view msgid, std::string_view context) const;
    void readHeader(const std::string& header);

    std::unordered_map<std::string, std::vector<std::string>> texts_;
    PluralRule plural_;
    std::string language_;
    bool valid_ = true;
};

}  // namespace tenebrix::i18n
