// SPDX-License-Identifier: GPL-3.0-or-later
// A caption's access key: '&' marks the letter that Alt fires ("&New
// Puzzle" is Alt+N), "&&" stands for an ampersand itself.
#pragma once

namespace tenebrix::forms {

// The letter after '&' in a caption, upper case; 0 when there is none.
constexpr char accessKey(const char* caption) {
    for (const char* c = caption; *c; ++c) {
        if (*c != '&') continue;
        if (c[1] == '&') {  // "&&" is an ampersand shown as itself
            ++c;
            continue;
        }
        const char letter = c[1];
        return letter >= 'a' && letter <= 'z' ? static_cast<char>(letter - 'a' + 'A') : letter;
    }
    return 0;
}

}  // namespace tenebrix::forms
