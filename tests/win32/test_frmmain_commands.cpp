// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's commands: menus, shortcuts and access keys, scroll bars,
// keyboard play and the status bar.
#include <doctest/doctest.h>
#include <windows.h>
// The common controls' declarations need the system's first.
#include <commctrl.h>

#include <functional>

#include "DateTimeStatusBar.h"
#include "GameInvariants.h"
#include "MainWindowFixture.h"
#include "PixelPicture.h"
#include "TilePictures.h"
#include "WideText.h"

using namespace tenebrix;
using namespace tenebrix::testing;
using forms::MenuCommand;

namespace {

// What a command did: a fresh puzzle, the one in play back at its start, or a hint.
enum class Effect { NewPuzzle, Reset, Hint };

bool showsEffect(MainWindowFixture& f, Effect effect, PuzzleValue startBefore) {
    const Game& game = f.main->game();
    switch (effect) {
        case Effect::NewPuzzle:
            return game.startValue() != startBefore && game.moveCount() == 0;
        case Effect::Reset:
            return game.startValue() == startBefore && game.currentValue() == startBefore &&
                   f.text(win32::kLblMoves) == L"0";
        case Effect::Hint:
            return f.messages.shown.size() == 1 && game.hintUsed();
    }
    return false;
}

}  // namespace

TEST_CASE("menu items, shortcuts and access keys run their commands") {
    struct Case {
        const char* name;
        std::function<void(MainWindowFixture&)> give;
        Effect effect;
        int focused = 0;  // the button an access key presses takes the focus
    };
    auto menu = [](MenuCommand command) {
        return [command](MainWindowFixture& f) { f.command(win32::menuId(command)); };
    };
    auto key = [](UINT letter, bool control, bool alt) {
        return [=](MainWindowFixture& f) { pressKey(*f.main, GetFocus(), letter, control, alt); };
    };
    const std::vector<Case> cases{
        {"File > Hint", menu(MenuCommand::Hint), Effect::Hint},
        {"File > New Puzzle", menu(MenuCommand::NewPuzzle), Effect::NewPuzzle},
        {"File > Reset Puzzle", menu(MenuCommand::ResetPuzzle), Effect::Reset},
        {"Ctrl+H", key('H', true, false), Effect::Hint},
        {"Ctrl+N", key('N', true, false), Effect::NewPuzzle},
        {"Ctrl+R", key('R', true, false), Effect::Reset},
        {"Alt+H, the Hint button before the Help menu", key('H', false, true), Effect::Hint,
         win32::kCmdHint},
        {"Alt+N", key('N', false, true), Effect::NewPuzzle, win32::kCmdNewPuzzle},
        {"Alt+R", key('R', false, true), Effect::Reset, win32::kCmdReset},
        {"the Reset button", [](auto& f) { f.command(win32::kCmdReset); }, Effect::Reset},
    };
    for (const Case& c : cases) {
        const std::string name = c.name;
        CAPTURE(name);
        MainWindowFixture f({7, 19});
        f.random.scriptPuzzle({1, 25});
        f.clickTile(13);
        SetFocus(f.tile(13));
        const PuzzleValue start = f.main->game().startValue();
        c.give(f);
        CHECK(showsEffect(f, c.effect, start));
        CHECK(brokenGameRule(f.main->game()) == "");
        if (c.focused) CHECK(GetFocus() == f.control(c.focused));
    }
}

TEST_CASE("View menu items show and hide with their check marks") {
    MainWindowFixture f;
    HWND bar = f.control(win32::kStatusBar);
    CHECK(IsWindowVisible(bar));
    CHECK(f.menuChecked(MenuCommand::ViewStatusBar));
    CHECK_FALSE(f.menuChecked(MenuCommand::ViewTileNumbers));
    CHECK_FALSE(IsWindowVisible(f.control(win32::kTileNumberBase + 7)));
    for (const bool shown : {false, true}) {
        f.command(win32::menuId(MenuCommand::ViewStatusBar));
        f.command(win32::menuId(MenuCommand::ViewTileNumbers));
        CHECK(IsWindowVisible(bar) == shown);
        CHECK(f.menuChecked(MenuCommand::ViewStatusBar) == shown);
        CHECK(f.menuChecked(MenuCommand::ViewTileNumbers) == !shown);
        for (int n = 1; n <= kTileCount; ++n) {
            CHECK(IsWindowVisible(f.control(win32::kTileNumberBase + n)) == !shown);
            CHECK(f.text(win32::kTileNumberBase + n) == L" " + std::to_wstring(n));
        }
    }
}

TEST_CASE("scroll bars step by one, count a thumb where it is let go and stay in range") {
    struct Case {
        int bar;
        int code;
        int position;
        int value;       // afterwards
        bool newPuzzle;  // mode and level make one, tile set keeps the board
    };
    const std::vector<Case> cases{
        {win32::kScrollMode, SB_LINERIGHT, 0, 2, true},
        {win32::kScrollMode, SB_PAGERIGHT, 0, 2, true},
        {win32::kScrollMode, SB_THUMBTRACK, 6, 1, false},
        {win32::kScrollMode, SB_THUMBPOSITION, 6, 6, true},
        {win32::kScrollMode, SB_LINELEFT, 0, 1, false},
        {win32::kScrollMode, SB_RIGHT, 0, 9, true},
        {win32::kScrollLevel, SB_THUMBPOSITION, 20, 20, true},
        {win32::kScrollLevel, SB_PAGELEFT, 0, 2, false},
        {win32::kScrollTileSet, SB_RIGHT, 0, 8, false},
        {win32::kScrollTileSet, SB_LINERIGHT, 0, 2, false},
    };
    for (const Case& c : cases) {
        CAPTURE(c.bar);
        CAPTURE(c.code);
        MainWindowFixture f({7, 19});
        f.random.scriptPuzzle({1, 2});
        f.clickTile(13);
        const PuzzleValue board = f.main->game().currentValue();
        f.scroll(c.bar, c.code, c.position);
        CHECK(f.scrollValue(c.bar) == c.value);
        CHECK((f.main->game().moveCount() == 0) == c.newPuzzle);
        CHECK((f.main->game().currentValue() == board) == !c.newPuzzle);
        CHECK(brokenGameRule(f.main->game()) == "");
        const Settings& settings = f.main->game().settings();
        if (c.bar == win32::kScrollMode) {
            CHECK(settings.mode == c.value);
            CHECK(f.text(win32::kLblMode) == L"Mode  " + std::to_wstring(c.value));
            for (int k = 1; k <= 9; ++k)
                CHECK(IsWindowVisible(f.control(win32::kModeDiagramBase + k)) == (k == c.value));
        } else if (c.bar == win32::kScrollLevel) {
            CHECK(settings.level == c.value);
        } else {
            CHECK(settings.tileSet == c.value);
            CHECK(f.text(win32::kLblTileSet) == L"Change all tiles to black");
        }
    }
}

TEST_CASE("the board plays from the keyboard: arrows move the stop, Space presses") {
    MainWindowFixture f({7, 19});
    SetFocus(f.tile(1));
    struct Step {
        UINT key;
        int focusedTile;
    };
    for (const Step& step : {Step{VK_RIGHT, 2}, Step{VK_UP, 2}, Step{VK_DOWN, 7}, Step{VK_LEFT, 6},
                             Step{VK_LEFT, 6}}) {
        pressKey(*f.main, GetFocus(), step.key);
        CHECK(GetFocus() == f.tile(step.focusedTile));
    }
    pressKey(*f.main, GetFocus(), VK_SPACE);
    CHECK(f.text(win32::kLblMoves) == L"1");
    auto isTabStop = [&](int n) {
        return (GetWindowLongPtrW(f.tile(n), GWL_STYLE) & WS_TABSTOP) != 0;
    };
    CHECK(isTabStop(6));
    CHECK_FALSE(isTabStop(1));
}

TEST_CASE("the status bar shows its text, the date and the time, and follows the clock") {
    MainWindowFixture f;
    HWND bar = f.control(win32::kStatusBar);
    auto panel = [bar](int index) {
        wchar_t text[128] = L"";
        SendMessageW(bar, SB_GETTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
        return std::wstring(text);
    };
    CHECK(panel(0) == L"Status Bar");
    CHECK(panel(1) == win32::shortDateText(f.clock.time));
    CHECK(panel(2) == win32::shortTimeText(f.clock.time));
    f.clock.time = {2027, 1, 5, 1, 23, 5, 0, 0};
    SendMessageW(f.window(), WM_TIMER, win32::kClockTimer, 0);
    CHECK(panel(1) == win32::shortDateText(f.clock.time));
    CHECK(panel(2) == win32::shortTimeText(f.clock.time));
    CHECK(panel(2) != win32::shortTimeText(SYSTEMTIME{2026, 12, 1, 7, 9, 41, 30, 250}));
}

TEST_CASE("the clock wakes only when the minute changes") {
    struct Case {
        WORD second, millisecond;
        int wait;
    };
    for (const Case& c :
         {Case{30, 250, 29750}, Case{0, 0, 60000}, Case{59, 999, 1}, Case{59, 0, 1000}}) {
        SYSTEMTIME now{2026, 12, 1, 7, 9, 41, c.second, c.millisecond};
        CHECK(win32::millisecondsToNextMinute(now) == c.wait);
    }
}
