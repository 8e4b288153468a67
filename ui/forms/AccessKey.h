// SPDX-License-Identifier: GPL-3.0-or-later
// A caption's access key: '&' marks the letter that Alt fires ("&New
// Puzzle" is Alt+N), "&&" stands for an ampersand itself. A translated
// caption marks a letter of its own script ("&Файл" is Alt+Ф) or, in
// languages typed through an input method, a Latin letter in brackets at
// the end ("ファイル(&F)").
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tenebrix::forms {

// The letter after '&' in a caption, upper case; 0 when there is none.
// Latin letters and digits only: accessKeyCharacter() reads any script.
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

// The character that starts at `at` in UTF-8 `text`, and `at` moved past
// it. A broken sequence reads as U+FFFD and moves on by one byte, so that
// no caption, however damaged, stops the reading.
constexpr char32_t nextCodePoint(std::string_view text, std::size_t& at) {
    constexpr char32_t kReplacement = 0xFFFD;
    if (at >= text.size()) return 0;
    const auto lead = static_cast<unsigned char>(text[at]);
    int length = 0;
    char32_t code = 0;
    if (lead < 0x80) {
        ++at;
        return lead;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0Fu;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07u;
    } else {
        ++at;
        return kReplacement;
    }
    if (text.size() - at < static_cast<std::size_t>(length)) {
        ++at;
        return kReplacement;
    }
    for (int i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[at + static_cast<std::size_t>(i)]);
        if ((next & 0xC0u) != 0x80u) {
            ++at;
            return kReplacement;
        }
        code = (code << 6) | (next & 0x3Fu);
    }
    // Overlong forms, surrogates and code points past U+10FFFF are not characters.
    const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
    if (overlong || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) {
        ++at;
        return kReplacement;
    }
    at += static_cast<std::size_t>(length);
    return code;
}

// A character as access keys compare it: letters in upper case (Latin with
// its accented letters, Greek, Cyrillic; the full-width Latin letters and
// digits an input method types as their plain forms), anything else as
// itself. Turkish's dotted and dotless i both count as I, so the key works
// whichever of the two the keyboard types.
constexpr char32_t foldedKey(char32_t c) {
    const auto pairedUpper = [](char32_t code, bool upperIsEven) {
        return ((code % 2 == 0) == upperIsEven) ? code : code - 1;
    };
    if (c >= U'a' && c <= U'z') return c - 0x20;
    if (c < 0x80) return c;
    if (c >= 0xFF41 && c <= 0xFF5A) return U'A' + (c - 0xFF41);  // full-width a-z
    if (c >= 0xFF21 && c <= 0xFF3A) return U'A' + (c - 0xFF21);  // full-width A-Z
    if (c >= 0xFF10 && c <= 0xFF19) return U'0' + (c - 0xFF10);  // full-width digits
    // Latin-1: à-þ but the division sign; ÿ's capital lies in Latin Extended-A.
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 0x20;
    if (c == 0xFF) return 0x178;
    // Latin Extended-A: capital and small letter side by side.
    if (c == 0x130 || c == 0x131) return U'I';
    if (c == 0x17F) return U'S';  // long s
    if ((c >= 0x100 && c <= 0x12F) || (c >= 0x132 && c <= 0x137) || (c >= 0x14A && c <= 0x177))
        return pairedUpper(c, true);
    if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) return pairedUpper(c, false);
    // Greek, with its accented vowels and final sigma.
    if (c >= 0x3B1 && c <= 0x3CB) return c == 0x3C2 ? 0x3A3 : c - 0x20;
    if (c == 0x3AC) return 0x386;
    if (c >= 0x3AD && c <= 0x3AF) return c - 0x25;
    if (c == 0x3CC) return 0x38C;
    if (c == 0x3CD || c == 0x3CE) return c - 0x3F;
    // Cyrillic: the Russian alphabet, then ё, є, і, ї, ў and the other
    // languages' letters, paired.
    if (c >= 0x430 && c <= 0x44F) return c - 0x20;
    if (c >= 0x450 && c <= 0x45F) return c - 0x50;
    if ((c >= 0x460 && c <= 0x481) || (c >= 0x48A && c <= 0x4BF) || (c >= 0x4D0 && c <= 0x52F))
        return pairedUpper(c, true);
    if (c >= 0x4C1 && c <= 0x4CE) return pairedUpper(c, false);
    if (c == 0x4CF) return 0x4C0;
    return c;
}

// The access key of a UTF-8 caption, folded (foldedKey); 0 when the caption
// marks none.
constexpr char32_t accessKeyCharacter(std::string_view caption) {
    std::size_t at = 0;
    while (at < caption.size()) {
        if (caption[at] != '&') {
            nextCodePoint(caption, at);
            continue;
        }
        ++at;
        if (at >= caption.size()) return 0;  // a lone '&' at the end marks nothing
        if (caption[at] == '&') {            // "&&" is an ampersand shown as itself
            ++at;
            continue;
        }
        const char32_t key = nextCodePoint(caption, at);
        return key == U' ' ? 0 : foldedKey(key);
    }
    return 0;
}

// A character as UTF-8, to show or name a key; empty for none (0).
inline std::string utf8(char32_t c) {
    std::string out;
    if (c == 0) return out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

}  // namespace tenebrix::forms
