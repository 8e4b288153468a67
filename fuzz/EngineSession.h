// SPDX-License-Identifier: GPL-3.0-or-later
// One fuzzing session of the game: the input, read as a list of commands
// with their arguments, played against a recording display, with every rule
// checked after every command.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "Game.h"
#include "InputBytes.h"
#include "InputDisplay.h"
#include "InputRandom.h"

namespace tenebrix::fuzz {

class EngineSession {
  public:
    explicit EngineSession(std::span<const std::uint8_t> input);
    EngineSession(const EngineSession&) = delete;
    EngineSession& operator=(const EngineSession&) = delete;

    // Loads the window, then plays commands until the input is used up. Each
    // command takes three bytes (the command and two arguments), LoadTiles
    // four more, and every random draw and message answer one more.
    void run();

  private:
    // What a command may be compared with afterwards.
    struct Before {
        PuzzleValue current;
        PuzzleValue start;
        std::int64_t moves;
        bool hint;
        Settings settings;
        int puzzles;
        int wins;
        int hints;
        int paints;
        int shownTile;
        bool numbers;
        std::array<bool, kTileCount> movesToGo;
        std::array<Colour, kTileCount> colours;
    };
    Before before() const;

    void playOneCommand();
    void playPlayerCommand(int command, int first, int second);
    void playProcedures(int command, int first, int second);
    // Player commands, with arguments in and out of range.
    void formLoad();
    void click(int tile);
    void newPuzzle();
    void reset(bool byProcedure);
    void hint();
    void changeMode(int mode);
    void changeLevel(int level);
    void changeTileSet(int tileSet);
    void toggleTileNumbers();
    void pointerOnTile(int tile);
    void pointerOnLabel();
    void hideMove();
    void pressMoveToGo(int choice);
    void repeatClicks(int tile, int pairs);
    // The procedures, alone or in the steps a command makes of them.
    void pressByProcedures(int tile, bool oneTileAtATime);
    void setMoveTwice(int mode, int tile);
    void flipTileTwice(int tile);
    void createPuzzle(int level);
    void createPuzzleInOtherMode(int mode, int level);
    void loadTiles(PuzzleValue value);
    void showMove(int mode, int tile);

    void checkNewPuzzle(const Before& was, int presses) const;
    void checkWin(const Before& was) const;

    InputBytes input_;
    InputDisplay display_;
    InputRandom random_;
    Game game_;
};

}  // namespace tenebrix::fuzz
