// SPDX-License-Identifier: GPL-3.0-or-later
// Playing in the real main window: clicks play and repaint, pixel for pixel
// at the screen's density; the move preview and its clearing; win and hint.
#include <doctest/doctest.h>

#include <functional>
#include <set>

#include "ControlNames.h"
#include "Controls.h"
#include "Densities.h"
#include "GameInvariants.h"
#include "MainWindowFixture.h"
#include "PixelPicture.h"
#include "TilePictures.h"
#include "WideText.h"

using namespace tenebrix;
using namespace tenebrix::testing;

namespace {

bool boardShowsGame(MainWindowFixture& f) {
    const Density* density = densityOf(win32::dpiOf(f.window()).dpi);
    REQUIRE(density != nullptr);
    const PuzzleValue value = f.main->game().currentValue();
    for (int n = 1; n <= kTileCount; ++n) {
        const bool lit = isLit(value, n);
        const int picture = lit ? pictures::litPictureOf(1) : pictures::darkPictureOf(1);
        if (!tileShowsPicture(f, n, picture, density->pictureScale)) return false;
        if (win32::windowText(f.tile(n)) != win32::widen(forms::tileAccessibleName(n, lit)))
            return false;
    }
    return true;
}

// The preview's colour shows in the tile picture's transparent margin.
COLORREF marginColour(MainWindowFixture& f, int n) {
    const int at = win32::borderWidth(f.tile(n)) + 1;
    return screenPixel(f.tile(n), at, at);
}

}  // namespace

TEST_CASE("a click on a tile plays its move, counts it and repaints the board") {
    struct Case {
        int tile;
        std::set<int> flipped;  // mode 1 clipped at the edges
    };
    for (const Case& c :
         {Case{13, {8, 12, 13, 14, 18}}, Case{1, {1, 2, 6}}, Case{25, {20, 24, 25}}}) {
        CAPTURE(c.tile);
        MainWindowFixture f;
        REQUIRE(boardShowsGame(f));
        const PuzzleValue before = f.main->game().currentValue();
        f.clickTile(c.tile);
        const PuzzleValue after = f.main->game().currentValue();
        for (int n = 1; n <= kTileCount; ++n) {
            CHECK((isLit(before, n) != isLit(after, n)) == c.flipped.contains(n));
        }
        CHECK(f.text("lblMoves") == L"1");
        CHECK(f.text("lblPuzState") == L" " + std::to_wstring(after));
        CHECK(brokenGameRule(f.main->game()) == "");
        CHECK(boardShowsGame(f));
    }
}

// Which controls clear the preview is the rules' table (tests/ui); here
// each kind of native pointer message once, and the margins as drawn.
TEST_CASE("the pointer previews a move and the bare window and the frame clear it") {
    const COLORREF green = RGB(0, 255, 0), grey = RGB(192, 192, 192);
    const COLORREF untouched = GetSysColor(COLOR_BTNFACE);
    struct Case {
        const char* name;
        std::function<void(MainWindowFixture&)> pointer;
        std::set<int> highlighted, cleared;
    };
    auto over = [](const char* name, UINT message, int index = forms::kNoIndex) {
        return [=](MainWindowFixture& f) {
            SendMessageW(f.control(name, index), message, 0, MAKELPARAM(3, 3));
        };
    };
    auto overWindow = [](MainWindowFixture& f) { SendMessageW(f.window(), WM_MOUSEMOVE, 0, 0); };
    const std::vector<Case> cases{
        {"rest on 7", [](auto&) {}, {2, 6, 7, 8, 12}, {}},
        {"across the gap to 8",
         [&](auto& f) {
             overWindow(f);
             f.hoverTile(8);
         },
         {3, 7, 8, 9, 13},
         {2, 6, 12}},
        {"straight into 8", [](auto& f) { f.hoverTile(8); }, {2, 3, 6, 7, 8, 9, 12, 13}, {}},
        {"over the frame", over("Frame1", WM_MOUSEMOVE), {}, {2, 6, 7, 8, 12}},
        {"over New Puzzle", over("cmdNewPuzzle", WM_MOUSEMOVE), {2, 6, 7, 8, 12}, {}},
        {"released over New Puzzle", over("cmdNewPuzzle", WM_LBUTTONUP), {}, {2, 6, 7, 8, 12}},
        {"over a tile number: no tile, nothing cleared",
         over("lblTileNumbers", WM_MOUSEMOVE, 7),
         {2, 6, 7, 8, 12},
         {}},
    };
    for (const Case& c : cases) {
        const std::string name = c.name;
        CAPTURE(name);
        MainWindowFixture f;
        f.hoverTile(7);
        c.pointer(f);
        for (int n = 1; n <= kTileCount; ++n) {
            CAPTURE(n);
            const COLORREF expected = c.highlighted.contains(n) ? green
                                      : c.cleared.contains(n)   ? grey
                                                                : untouched;
            CHECK(marginColour(f, n) == expected);
        }
    }
}

TEST_CASE("solving the puzzle in as many moves as the level offers the next level") {
    for (const MessageAnswer answer : {MessageAnswer::Yes, MessageAnswer::No}) {
        MainWindowFixture f({7, 19});
        f.messages.answers = {answer};
        f.random.scriptPuzzle({1, 2, 3});
        f.clickTile(7);
        f.clickTile(19);
        REQUIRE(f.messages.shown.size() == 1);
        CHECK(f.messages.shown.back().owner == f.window());
        CHECK(f.messages.shown.back().message.buttons == MessageButtons::YesNo);
        const int level = answer == MessageAnswer::Yes ? 3 : 2;
        CHECK(f.scrollValue("ScrollLevel") == level);
        CHECK(f.text("lblLevel") == L"Level:  " + std::to_wstring(level));
        CHECK(f.text("lblMoves") == L"0");
        CHECK(f.main->game().currentValue() != kSolvedBoard);
        CHECK(brokenGameRule(f.main->game()) == "");
        CHECK(boardShowsGame(f));
    }
}
