// SPDX-License-Identifier: GPL-3.0-or-later
// How numbers are written for the player. A number in a caption or message
// keeps one blank in front, the place a minus sign would take; the move
// counter alone is bare digits.
#pragma once

#include <cstdint>
#include <string>

namespace tenebrix {

// " 7" for 7, "-7" for -7.
std::string NumberText(std::int64_t number);
// "7": the move counter's caption.
std::string CounterText(std::int64_t moves);
// "Level:  7" (two blanks: the literal's and the number's).
std::string LevelCaption(int level);
// "Mode  3".
std::string ModeCaption(int mode);

}  // namespace tenebrix
