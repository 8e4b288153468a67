// SPDX-License-Identifier: GPL-3.0-or-later
// The recording display, answering each message as the fuzzer's input says
// and checking the game at the moments only the display sees: a puzzle being
// made and a message being open.
#pragma once

#include "FakeDisplay.h"
#include "InputBytes.h"

namespace tenebrix {
class Game;
}

namespace tenebrix::fuzz {

class InputDisplay : public testing::FakeDisplay {
  public:
    explicit InputDisplay(InputBytes& input) : input_(input) {}

    // The game to check at those moments; set once it exists.
    void watch(const Game& game) { game_ = &game; }

    void setCaption(Caption label, const std::string& text) override;
    MessageAnswer showMessage(const Message& message) override;

    // Puzzles made so far: only making a puzzle writes the start value.
    int puzzlesMade = 0;
    int winsAnnounced = 0;
    int hintsGiven = 0;
    // The tile the last hint named, and the answer to the last message.
    int hintedTile = 0;
    MessageAnswer lastAnswer = MessageAnswer::Ok;

  private:
    void checkWinMessage(const Message& message);
    void checkHintMessage(const Message& message);

    InputBytes& input_;
    const Game* game_ = nullptr;
};

}  // namespace tenebrix::fuzz
