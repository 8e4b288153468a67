// SPDX-License-Identifier: GPL-3.0-or-later
// The fuzz targets' assertion: a broken rule prints what broke and aborts, so
// libFuzzer stops, prints the stack and keeps the input that did it.
#pragma once

#include <cstdio>
#include <cstdlib>

namespace tenebrix::fuzz {

// Not assert(): release builds must check too.
inline void require(bool holds, const char* rule) {
    if (holds) return;
    std::fprintf(stderr, "fuzz: rule broken: %s\n", rule);
    std::abort();
}

}  // namespace tenebrix::fuzz
