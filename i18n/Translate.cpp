// SPDX-License-Identifier: GPL-3.0-or-later
// Looking texts up in the player's catalogue.
#include "Translate.h"

#include <utility>

namespace tenebrix::i18n {

namespace {

Catalogue& current() {
    static Catalogue chosen;
    return chosen;
}

}  // namespace

void useCatalogue(Catalogue catalogue) {
    current() = std::move(catalogue);
}

const Catalogue& catalogue() {
    return current();
}

std::string tr(std::string_view msgid) {
    return std::string(current().translate(msgid));
}

std::string trc(std::string_view context, std::string_view msgid) {
    return std::string(current().translate(msgid, context));
}

std::string trn(std::string_view singular, std::string_view plural, unsigned long count) {
    return std::string(current().translatePlural(singular, plural, count));
}

std::string format(std::string_view pattern, std::initializer_list<std::string_view> arguments) {
    std::string text;
    text.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const auto index = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (index < arguments.size()) {
                text.append(*(arguments.begin() + index));
                ++i;
                continue;
            }
        }
        text += c;
    }
    return text;
}

std::string withoutAccessKey(std::string_view caption) {
    std::string text;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        const char c = caption[i];
        if (c != '&') {
            text += c;
            continue;
        }
        if (i + 1 < caption.size() && caption[i + 1] == '&') {
            text += '&';
            ++i;
            continue;
        }
        // "(&N)" at the end, as languages without Latin letters mark the key.
        if (i > 0 && caption[i - 1] == '(' && i + 2 < caption.size() && caption[i + 2] == ')') {
            text.pop_back();
            i += 2;
        }
    }
    return text;
}

}  // namespace tenebrix::i18n
