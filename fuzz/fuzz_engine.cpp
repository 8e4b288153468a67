// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer entry for the game: any bytes are a session of commands, given
// with arguments in and out of range, with the game's rules checked after
// each one and the sanitizers watching memory.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "FakeDisplay.h"
#include "Game.h"
#include "InputBytes.h"
#include "RandomSource.h"

using namespace tenebrix;
using fuzz::InputBytes;

namespace {

// Not assert(): release builds must check too. libFuzzer keeps the input.
void fail(const std::string& rule) {
    std::fprintf(stderr, "fuzz: rule broken: %s\n", rule.c_str());
    std::abort();
}

// The game's chance and the player's answers come from the input too: any of
// the three answers, whatever buttons the box has, for the game must cope
// with an answer it did not offer. Once the input is used up every draw is
// the first choice, which always exists.
class InputPlayer final : public testing::FakeDisplay, public RandomSource {
  public:
    explicit InputPlayer(InputBytes& input) : input_(input) {}
    MessageAnswer showMessage(const Message& message) override {
        answers.push_back(static_cast<MessageAnswer>(input_.byte() % 3));
        return FakeDisplay::showMessage(message);
    }
    int below(int count) override {
        if (count < 1) fail("a random draw among no choices");
        return input_.byte() % count;
    }

  private:
    InputBytes& input_;
};

// One command: a byte to choose it and two arguments, read whether used or
// not so that one command's change never shifts the ones after it. The
// arguments reach past every edge: tiles -5..30, modes 0..12, levels -3..40,
// tile sets 0..10. Pressing a move to go brings wins and level-up offers
// quickly, where random clicks would seldom find them.
void playOneCommand(Game& game, InputBytes& in) {
    const int command = in.byte(), first = in.byte(), second = in.byte();
    const int tile = InputBytes::fit(first, -5, 30), mode = InputBytes::fit(second, 0, 12);
    const int level = InputBytes::fit(first, -3, 40), toGo = game.moves().movesToGoCount();
    const int moveToGo = toGo == 0 ? tile : game.moves().nthMoveToGo(first % toGo);
    const Settings& now = game.settings();
    const std::function<void()> commands[] = {
        [&] { game.Form_Load(); },
        [&] { game.picTile_Click(tile); },
        [&] { game.picTile_Click(moveToGo); },
        [&] { game.cmdNewPuzzle_Click(); },
        [&] { game.cmdReset_Click(); },
        [&] { game.cmdHint_Click(); },
        [&] { game.ScrollMode_Change(InputBytes::fit(first, 0, 12)); },
        [&] { game.ScrollLevel_Change(level); },
        [&] { game.ScrollTileSet_Change(InputBytes::fit(first, 0, 10)); },
        [&] { game.mnuTileNumbers_Click(); },
        [&] { game.picTile_MouseMove(tile); },
        [&] { game.lblTileNumbers_MouseMove(); },
        [&] { game.HideMove(); },
        [&] { game.ShowMove(mode, tile); },
        [&] { game.ResetPuzzle(); },
        [&] { game.CreatePuzzle(now.mode, level); },
        [&] {  // a move by its procedures, uncounted, and a puzzle in any mode
            game.SetMove(now.mode, tile);
            game.FlipMove(tile);
            game.FlipTile(tile);
            game.FlipTile(tile);
            game.LoadTiles(game.currentValue());
            game.CreatePuzzle(mode, level);
            game.CreatePuzzle(now.mode, now.level);
        },
    };
    commands[command % std::size(commands)]();
}

void checkRules(const Game& game, const InputPlayer& display) {
    const std::string rule = display.brokenRule + testing::brokenGameRule(game) +
                             testing::brokenDisplayRule(game, display);
    if (!rule.empty()) fail(rule);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    InputBytes input({data, size});
    InputPlayer player(input);
    Game game(player, player);
    player.game = &game;
    game.Form_Load();
    checkRules(game, player);
    while (!input.empty()) {
        playOneCommand(game, input);
        checkRules(game, player);
    }
    return 0;
}
