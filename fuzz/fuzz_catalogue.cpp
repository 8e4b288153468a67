// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer entry for the catalogue reader: any bytes are a compiled
// catalogue a player's system might hand the game (cut short, damaged,
// made up). Reading them and looking texts up must stay inside the bytes,
// never hang, and give back a text for every lookup.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string_view>

#include "Catalogue.h"
#include "PluralRule.h"

using namespace tenebrix::i18n;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Catalogue catalogue = Catalogue::fromMo(std::span(data, size));
    const std::string_view solved = "You have solved this %1 move puzzle in %2 moves.";
    for (unsigned long n : {0ul, 1ul, 2ul, 5ul, 21ul, 4294967295ul}) {
        if (catalogue.translatePlural(solved, solved, n).data() == nullptr) std::abort();
    }
    if (catalogue.translate("&Hint", "button").data() == nullptr) std::abort();
    // The same bytes as a Plural-Forms header.
    const std::string_view header(reinterpret_cast<const char*>(data), size);
    if (const auto rule = PluralRule::parse(header)) {
        for (unsigned long n = 0; n < 200; ++n) {
            const int form = rule->formFor(n);
            if (form < 0 || form >= rule->forms()) std::abort();
        }
    }
    return 0;
}
