// SPDX-License-Identifier: GPL-3.0-or-later
// How numbers are written for the player.
#include "NumberText.h"

#include <charconv>

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
    return "Level: " + NumberText(level);
}

std::string ModeCaption(int mode) {
    return "Mode " + NumberText(mode);
}

}  // namespace tenebrix
