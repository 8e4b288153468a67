// SPDX-License-Identifier: GPL-3.0-or-later
// The words of the win and hint messages.
#pragma once

#include <cstdint>

#include "Message.h"

namespace tenebrix {

// Which of the three win messages the player earns.
enum class WinKind { Plain, HintRemark, LevelUpOffer };

WinKind ChooseWinKind(int level, int maxLevel, std::int64_t moves, bool hintUsed);
Message WinMessage(WinKind kind, int level, std::int64_t moves);
Message HintMessage(int tile);

}  // namespace tenebrix
