// SPDX-License-Identifier: GPL-3.0-or-later
// How fast the game answers: a tile click, a level-20 puzzle, a hint.
#include <benchmark/benchmark.h>

#include "Game.h"
#include "NullDisplay.h"
#include "RandomSource.h"

using namespace tenebrix;

namespace {

// A full click: move, record, repaint notice, counter and win check.
void BM_TileClick(benchmark::State& state) {
    bench::NullDisplay display;
    ClockSeededRandom random;
    Game game(display, random);
    game.Form_Load();
    // Tile 1 lit: pressing tile 13 again and again never darkens the board,
    // so every iteration is an ordinary move.
    game.CreatePuzzle(1, 0);
    game.FlipTile(1);
    for (auto _ : state) {
        game.picTile_Click(13);
        benchmark::DoNotOptimize(game.currentValue());
    }
}
BENCHMARK(BM_TileClick);

void BM_CreatePuzzleLevel20(benchmark::State& state) {
    bench::NullDisplay display;
    ClockSeededRandom random;
    Game game(display, random);
    game.Form_Load();
    for (auto _ : state) {
        game.CreatePuzzle(1, 20);
        benchmark::DoNotOptimize(game.startValue());
    }
}
BENCHMARK(BM_CreatePuzzleLevel20);

// A hint: draw among the moves to go and ask for the message.
void BM_Hint(benchmark::State& state) {
    bench::NullDisplay display;
    ClockSeededRandom random;
    Game game(display, random);
    game.Form_Load();
    game.CreatePuzzle(1, 20);
    for (auto _ : state) {
        game.cmdHint_Click();
        benchmark::DoNotOptimize(game.hintUsed());
    }
}
BENCHMARK(BM_Hint);

}  // namespace

BENCHMARK_MAIN();
