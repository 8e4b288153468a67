// SPDX-License-Identifier: GPL-3.0-or-later
// The fuzzing display: answers from the input, checks at puzzle and message time.
#include "InputDisplay.h"

#include <algorithm>
#include <string>

#include "FuzzCheck.h"
#include "Game.h"

namespace tenebrix::fuzz {

namespace {
constexpr std::string_view kHintText = "Why don't you try tile number:  ";
}

void InputDisplay::setCaption(Caption label, const std::string& text) {
    FakeDisplay::setCaption(label, text);
    if (label != Caption::PuzValue || game_ == nullptr) return;
    ++puzzlesMade;
    // However the puzzle came about (a button, a scroll bar, a win, a level
    // taken up), it starts clean.
    require(!game_->hintUsed(), "a new puzzle starts without a hint taken");
    require(game_->moveCount() == 0, "a new puzzle starts at move 0");
}

MessageAnswer InputDisplay::showMessage(const Message& message) {
    if (game_ != nullptr) {
        if (message.title == "Congratulations") checkWinMessage(message);
        if (message.title == "Hint") checkHintMessage(message);
    }
    // Any of the three answers, whatever buttons the box has: the game must
    // cope with an answer it did not offer.
    const int answer = input_.inRange(0, 2);
    lastAnswer = answer == 0   ? MessageAnswer::Ok
                 : answer == 1 ? MessageAnswer::Yes
                               : MessageAnswer::No;
    answers.push_back(lastAnswer);
    return FakeDisplay::showMessage(message);
}

void InputDisplay::checkWinMessage(const Message& message) {
    ++winsAnnounced;
    require(message.text.starts_with("We have a winner!!"), "a win message opens with the cheer");
    require(game_->currentValue() == kSolvedBoard, "a win is announced on a dark board only");
    require(std::none_of(tiles.begin(), tiles.end(), [](bool lit) { return lit; }),
            "the board shows all dark while the win message is open");
    require(game_->moveCount() >= 1, "a win takes at least one move");
}

void InputDisplay::checkHintMessage(const Message& message) {
    require(message.text.starts_with(kHintText), "the hint text names a tile");
    const std::string number = message.text.substr(kHintText.size());
    require(
        !number.empty() && number.size() <= 2 &&
            std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; }),
        "the hinted tile is written as digits after two blanks");
    hintedTile = std::stoi(number);
    ++hintsGiven;
    require(isTile(hintedTile) && game_->moves().moveToGo(hintedTile),
            "a hint names a tile still to be pressed");
    require(tileNumbersVisible, "the tile numbers show while the hint is read");
}

}  // namespace tenebrix::fuzz
