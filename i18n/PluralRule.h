// SPDX-License-Identifier: GPL-3.0-or-later
// Which plural form a language uses for a number: the C expression of a
// catalogue's "Plural-Forms: nplurals=3; plural=(n%10==1 && n%100!=11 ? 0 :
// ...);" header, evaluated for n. Only what such expressions use is read:
// n, whole numbers, ! * / % + - < <= > >= == != && || ?: and parentheses.
#pragma once

#include <memory>
#include <optional>
#include <string_view>

namespace tenebrix::i18n {

class PluralRule {
  public:
    // English's rule: one form for 1, another for everything else.
    PluralRule();
    ~PluralRule();
    PluralRule(const PluralRule&);
    PluralRule& operator=(const PluralRule&);
    PluralRule(PluralRule&&) noexcept;
    PluralRule& operator=(PluralRule&&) noexcept;

    // From the value of a Plural-Forms header; nullopt when it cannot be read.
    static std::optional<PluralRule> parse(std::string_view header);

    int forms() const { return forms_; }
    // The form for `n`, always within 0 .. forms() - 1.
    int formFor(unsigned long n) const;

    struct Node;

  private:
    std::shared_ptr<const Node> expression_;
    int forms_ = 2;
};

}  // namespace tenebrix::i18n
