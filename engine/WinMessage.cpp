// SPDX-License-Identifier: GPL-3.0-or-later
// The words of the win and hint messages.
#include "WinMessage.h"

#include "NumberText.h"

namespace tenebrix {

WinKind ChooseWinKind(int level, int maxLevel, std::int64_t moves, bool hintUsed) {
    // The offer rewards the shortest solution: exactly as many moves as the
    // puzzle was made with, no hint, and a level left to go up to.
    if (level >= maxLevel || moves != level) return WinKind::Plain;
    return hintUsed ? WinKind::HintRemark : WinKind::LevelUpOffer;
}

Message WinMessage(WinKind kind, int level, std::int64_t moves) {
    const std::string paragraph = std::string(kLineBreak) + kLineBreak;
    std::string text = "We have a winner!!" + paragraph + "You have solved this " +
                       NumberText(level) + " move puzzle in " + CounterText(moves) + " moves.";
    switch (kind) {
        case WinKind::Plain:
            break;
        case WinKind::HintRemark:
            text += paragraph + "Of course you did get a hint or two!!!";
            break;
        case WinKind::LevelUpOffer:
            text += paragraph + "Would you like to move to level " + NumberText(level + 1);
            break;
    }
    const auto buttons = kind == WinKind::LevelUpOffer ? MessageButtons::YesNo : MessageButtons::Ok;
    return Message{text, "Congratulations", buttons, MessageIcon::None};
}

Message HintMessage(int tile) {
    return Message{"Why don't you try tile number: " + NumberText(tile), "Hint", MessageButtons::Ok,
                   MessageIcon::None};
}

}  // namespace tenebrix
