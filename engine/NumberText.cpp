// SPDX-License-Identifier: GPL-3.0-or-later
// How numbers are written for the player.
#include "NumberText.h"

#include <charconv>

#include "Translate.h"

namespace tenebrix {

namespace {
// Digits straight into a short string: these captions change on every move.
std::string digits(std::int64_t number, bool signPlace) {
    char buffer[24];
    char* first = buffer;
    // The blank holds the place of the sign, as in a printed table of numbers.
    if (signPlace && number >= 0) *first++ = ' ';
    const auto end = std::to_chars(first, buffer + sizeof buffer, number).ptr;
    return std::string(buffer, end);
}
}  // namespace

std::string NumberText(std::int64_t number) {
    return digits(number, true);
}

std::string CounterText(std::int64_t moves) {
    return digits(moves, false);
}

std::string LevelCaption(int level) {
    // TRANSLATORS: the level, under its scroll bar; bold, about 15 characters
    // in all. %1 is the level written with a leading blank where a minus sign
    // would go, so English shows two blanks after the colon ("Level:  5"):
    // keep the blank before %1 too.
    // xgettext:qt-format
    return i18n::format(i18n::tr("Level: %1"), {NumberText(level)});
}

std::string ModeCaption(int mode) {
    // TRANSLATORS: the mode (1 to 9: which pattern a click flips), under its
    // scroll bar; bold, about 15 characters in all. %1 has a leading blank,
    // as in "Level: %1".
    // xgettext:qt-format
    return i18n::format(i18n::tr("Mode %1"), {NumberText(mode)});
}

}  // namespace tenebrix
