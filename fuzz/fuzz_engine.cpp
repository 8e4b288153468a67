// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer entry for the game: any bytes are a session of commands, given
// with arguments in and out of range, with the game's rules checked after
// each one and the sanitizers watching memory.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "FakeDisplay.h"
#include "Game.h"
#include "GameInvariants.h"
#include "InputBytes.h"
#include "ScriptedRandom.h"

namespace tenebrix::fuzz {

namespace {

// Not assert(): release builds must check too. libFuzzer keeps the input.
void fail(const std::string& rule) {
    std::fprintf(stderr, "fuzz: rule broken: %s\n", rule.c_str());
    std::abort();
}

// The game's chance and the player's answers come from the input too; once
// it is used up a generator seeded from the input takes over the chance.
class InputRandom final : public RandomSource {
  public:
    explicit InputRandom(InputBytes& input) : input_(input), fallback_(input.hash()) {}
    int below(int count) override {
        if (count < 1) fail("a random draw among no choices");
        return input_.empty() ? fallback_.below(count) : input_.byte() % count;
    }

  private:
    InputBytes& input_;
    testing::ScriptedRandom fallback_;
};

// Any of the three answers, whatever buttons the box has: the game must cope
// with an answer it did not offer.
class InputDisplay final : public testing::FakeDisplay {
  public:
    explicit InputDisplay(InputBytes& input) : input_(input) {}
    MessageAnswer showMessage(const Message& message) override {
        answers.push_back(static_cast<MessageAnswer>(input_.inRange(0, 2)));
        return FakeDisplay::showMessage(message);
    }

  private:
    InputBytes& input_;
};

// Presses a tile still to go: wins and level-up offers come quickly this way,
// where random clicks would seldom find them.
int aMoveToGo(const Game& game, int choice) {
    const int count = game.moves().movesToGoCount();
    return count == 0 ? choice % kTileCount + 1 : game.moves().nthMoveToGo(choice % count);
}

// One command: a byte to choose it and two arguments, read whether used or
// not so that one command's change never shifts the ones after it. `wide`
// reaches past every edge: tiles -5..30, modes 0..12, levels -3..40, tile
// sets 0..10.
void playOneCommand(Game& game, InputBytes& in) {
    const int command = in.byte() % 17;
    const int first = in.byte(), second = in.byte();
    const auto wide = [](int byte, int low, int high) { return InputBytes::fit(byte, low, high); };
    const int tile = wide(first, -5, 30), mode = wide(second, 0, 12);
    const int level = wide(first, -3, 40);
    switch (command) {
        case 0:
            return game.Form_Load();
        case 1:
            return game.picTile_Click(tile);
        case 2:
            return game.picTile_Click(aMoveToGo(game, first));
        case 3:
            return game.cmdNewPuzzle_Click();
        case 4:
            return game.cmdReset_Click();
        case 5:
            return game.cmdHint_Click();
        case 6:
            return game.ScrollMode_Change(wide(first, 0, 12));
        case 7:
            return game.ScrollLevel_Change(level);
        case 8:
            return game.ScrollTileSet_Change(wide(first, 0, 10));
        case 9:
            return game.mnuTileNumbers_Click();
        case 10:
            return game.picTile_MouseMove(tile);
        case 11:
            return game.lblTileNumbers_MouseMove();
        case 12:
            return game.HideMove();
        case 13:
            return game.ShowMove(mode, tile);
        case 14:
            return game.ResetPuzzle();
        case 15:
            return game.CreatePuzzle(game.settings().mode, level);
        case 16:  // a move by its procedures, uncounted, and a puzzle in any mode
            game.SetMove(game.settings().mode, tile);
            game.FlipMove(tile);
            game.FlipTile(tile);
            game.FlipTile(tile);
            game.LoadTiles(game.currentValue());
            game.CreatePuzzle(mode, level);
            return game.CreatePuzzle(game.settings().mode, game.settings().level);
    }
}

void checkRules(const Game& game, const InputDisplay& display) {
    std::string rule = display.brokenRule;
    if (rule.empty()) rule = testing::brokenGameRule(game);
    if (rule.empty()) rule = testing::brokenDisplayRule(game, display);
    if (!rule.empty()) fail(rule);
}

}  // namespace

}  // namespace tenebrix::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tenebrix;
    fuzz::InputBytes input({data, size});
    fuzz::InputDisplay display(input);
    fuzz::InputRandom random(input);
    Game game(display, random);
    display.game = &game;
    game.Form_Load();
    fuzz::checkRules(game, display);
    while (!input.empty()) {
        fuzz::playOneCommand(game, input);
        fuzz::checkRules(game, display);
    }
    return 0;
}
