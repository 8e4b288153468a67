// SPDX-License-Identifier: GPL-3.0-or-later
// The words of the win and hint messages.
#include "WinMessage.h"

#include "NumberText.h"
#include "Translate.h"

namespace tenebrix {

WinKind ChooseWinKind(int level, int maxLevel, std::int64_t moves, bool hintUsed) {
    // The offer rewards the shortest solution: exactly as many moves as the
    // puzzle was made with, no hint, and a level left to go up to.
    if (level >= maxLevel || moves != level) return WinKind::Plain;
    return hintUsed ? WinKind::HintRemark : WinKind::LevelUpOffer;
}

Message WinMessage(WinKind kind, int level, std::int64_t moves) {
    const std::string paragraph = std::string(kLineBreak) + kLineBreak;
    const auto count = static_cast<unsigned long>(moves < 0 ? 0 : moves);
    // TRANSLATORS: the first line of the win message; a cheerful exclamation.
    std::string text =
        i18n::tr("We have a winner!!") + paragraph +
        // TRANSLATORS: the win message, after an empty line. %1 is the
        // level (the number of moves the puzzle was made with), written
        // with a leading blank, so English shows two blanks before it;
        // %2 is the number of moves the player took (bare digits), the
        // count the plural forms follow (English keeps "moves" even for 1).
        // xgettext:qt-format
        i18n::format(i18n::trn("You have solved this %1 move puzzle in %2 moves.",
                               "You have solved this %1 move puzzle in %2 moves.", count),
                     {NumberText(level), CounterText(moves)});
    switch (kind) {
        case WinKind::Plain:
            break;
        case WinKind::HintRemark:
            // TRANSLATORS: the win message, after an empty line, when the player
            // took a hint (so no level-up offer). Light-hearted teasing.
            text += paragraph + i18n::tr("Of course you did get a hint or two!!!");
            break;
        case WinKind::LevelUpOffer:
            // TRANSLATORS: the win message, after an empty line: the offer to go up
            // a level, answered Yes or No. %1 is the next level with a leading
            // blank, as above. English has no question mark here.
            // xgettext:qt-format
            text += paragraph + i18n::format(i18n::tr("Would you like to move to level %1"),
                                             {NumberText(level + 1)});
            break;
    }
    const auto buttons = kind == WinKind::LevelUpOffer ? MessageButtons::YesNo : MessageButtons::Ok;
    // TRANSLATORS: the title of the win message box.
    return Message{text, i18n::tr("Congratulations"), buttons, MessageIcon::None};
}

Message HintMessage(int tile) {
    // TRANSLATORS: the hint: %1 is a tile number (1 to 25) with a leading
    // blank, so English shows two blanks after the colon.
    // xgettext:qt-format
    return Message{i18n::format(i18n::tr("Why don't you try tile number: %1"), {NumberText(tile)}),
                   // TRANSLATORS: the title of the hint message box.
                   i18n::trc("message title", "Hint"), MessageButtons::Ok, MessageIcon::None};
}

}  // namespace tenebrix
