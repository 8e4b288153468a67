// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's commands as the system delivers them: menus, buttons,
// shortcuts and access keys, scroll bars from the mouse and the keyboard,
// keyboard play and the status bar. Which key or request does what is the
// window's rules' and tested with them (tests/ui); these tests check that
// each native message reaches the rules once, and only as it should.
#include <doctest/doctest.h>
#include <windows.h>
// The common controls' declarations need the system's first.
#include <commctrl.h>

#include <functional>

#include "GameInvariants.h"
#include "MainMenuForm.h"
#include "MainWindowFixture.h"
#include "NativeEvents.h"
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
                   f.text("lblMoves") == L"0";
        case Effect::Hint:
            return f.messages.shown.size() == 1 && game.hintUsed();
    }
    return false;
}

}  // namespace

TEST_CASE("menu items, buttons, shortcuts and access keys run their commands") {
    struct Case {
        const char* name;
        std::function<void(MainWindowFixture&)> give;
        Effect effect;
        const char* focused = nullptr;  // the button an access key presses takes the focus
    };
    auto menu = [](MenuCommand command) {
        return [command](MainWindowFixture& f) { f.menu(command); };
    };
    auto key = [](UINT letter, bool control, bool alt) {
        return [=](MainWindowFixture& f) { pressKey(*f.main, GetFocus(), letter, control, alt); };
    };
    const std::vector<Case> cases{
        {"File > Hint", menu(MenuCommand::Hint), Effect::Hint},
        {"File > Reset Puzzle", menu(MenuCommand::ResetPuzzle), Effect::Reset},
        {"Ctrl+N", key('N', true, false), Effect::NewPuzzle},
        {"Alt+H, the Hint button before the Help menu", key('H', false, true), Effect::Hint,
         "cmdHint"},
        {"Alt+R", key('R', false, true), Effect::Reset, "cmdReset"},
        {"the Reset button", [](auto& f) { f.click("cmdReset"); }, Effect::Reset},
        {"the New Puzzle button", [](auto& f) { f.click("cmdNewPuzzle"); }, Effect::NewPuzzle},
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

// The dialog manager would take a plain letter for the access key of the
// button in focus (R resetting the puzzle, N throwing it away).
TEST_CASE("a plain letter with a button in focus does nothing") {
    for (const char* button : {"cmdHint", "cmdNewPuzzle", "cmdReset"}) {
        CAPTURE(std::string(button));
        MainWindowFixture f({7, 19});
        f.random.scriptPuzzle({1, 25});
        f.clickTile(13);
        const PuzzleValue start = f.main->game().startValue();
        const PuzzleValue board = f.main->game().currentValue();
        SetFocus(f.control(button));
        for (const UINT letter : {'H', 'N', 'R', 'X', 'F'}) pressKey(*f.main, GetFocus(), letter);
        CHECK(f.main->game().startValue() == start);
        CHECK(f.main->game().currentValue() == board);
        CHECK(f.main->game().moveCount() == 1);
        CHECK(f.messages.shown.empty());
        CHECK_FALSE(f.closed);
        CHECK(GetFocus() == f.control(button));
    }
}

TEST_CASE("View menu items show and hide with their check marks") {
    MainWindowFixture f;
    HWND bar = f.control("sbStatusBar");
    CHECK(IsWindowVisible(bar));
    CHECK(f.menuChecked(MenuCommand::ViewStatusBar));
    CHECK_FALSE(f.menuChecked(MenuCommand::ViewTileNumbers));
    CHECK_FALSE(IsWindowVisible(f.control("lblTileNumbers", 7)));
    for (const bool shown : {false, true}) {
        f.menu(MenuCommand::ViewStatusBar);
        f.menu(MenuCommand::ViewTileNumbers);
        CHECK(IsWindowVisible(bar) == shown);
        CHECK(f.menuChecked(MenuCommand::ViewStatusBar) == shown);
        CHECK(f.menuChecked(MenuCommand::ViewTileNumbers) == !shown);
        for (int n = 1; n <= kTileCount; ++n) {
            CHECK(IsWindowVisible(f.control("lblTileNumbers", n)) == !shown);
            CHECK(f.text("lblTileNumbers", n) == L" " + std::to_wstring(n));
        }
    }
}

// Each bar steps one at a time, by the arrows and by paging alike, between
// mode 1 and 9, level 2 and 20, tile set 1 and 8.
TEST_CASE("scroll bars take the mouse's requests and the keys once, and show the setting") {
    struct Case {
        const char* bar;
        int start;  // the bar's value before
        std::function<void(MainWindowFixture&, const char*)> give;
        int value;  // afterwards
    };
    auto request = [](int code, int position = 0) {
        return [=](MainWindowFixture& f, const char* bar) { f.scroll(bar, code, position); };
    };
    // A key while the bar has the focus: one step, not one from the rules
    // and another from the bar itself.
    auto key = [](UINT key) {
        return [=](MainWindowFixture& f, const char* bar) {
            SetFocus(f.control(bar));
            pressKey(*f.main, f.control(bar), key);
        };
    };
    // One of each kind of request and key: which step each makes is the
    // rules' table (tests/ui), here only that each arrives once.
    const std::vector<Case> cases{
        {"ScrollMode", 1, request(SB_LINERIGHT), 2},
        {"ScrollMode", 1, request(SB_PAGERIGHT), 2},
        {"ScrollMode", 1, request(SB_THUMBTRACK, 6), 1},
        {"ScrollMode", 1, request(SB_THUMBPOSITION, 6), 6},
        {"ScrollMode", 1, request(SB_ENDSCROLL), 1},
        {"ScrollLevel", 11, request(SB_LEFT), 2},
        {"ScrollTileSet", 1, request(SB_RIGHT), 8},
        {"ScrollMode", 1, key(VK_RIGHT), 2},
        {"ScrollMode", 1, key(VK_NEXT), 2},
        {"ScrollLevel", 11, key(VK_END), 20},
        {"ScrollTileSet", 4, key(VK_HOME), 1},
    };
    for (const Case& c : cases) {
        CAPTURE(std::string(c.bar));
        CAPTURE(&c - cases.data());
        MainWindowFixture f({7, 19});
        if (c.start != f.scrollValue(c.bar)) f.scroll(c.bar, SB_THUMBPOSITION, c.start);
        REQUIRE(f.scrollValue(c.bar) == c.start);
        f.random.scriptPuzzle({1, 2});
        f.clickTile(13);
        const PuzzleValue board = f.main->game().currentValue();
        c.give(f, c.bar);
        // Mode and level make a new puzzle when they change; the tile set
        // keeps the board.
        const bool newPuzzle = c.value != c.start && std::string(c.bar) != "ScrollTileSet";
        CHECK(f.scrollValue(c.bar) == c.value);
        CHECK((f.main->game().moveCount() == 0) == newPuzzle);
        CHECK((f.main->game().currentValue() == board) == !newPuzzle);
        CHECK(brokenGameRule(f.main->game()) == "");
        const Settings& settings = f.main->game().settings();
        if (std::string(c.bar) == "ScrollMode") {
            CHECK(settings.mode == c.value);
            CHECK(f.text("lblMode") == L"Mode  " + std::to_wstring(c.value));
            for (int k = 1; k <= 9; ++k)
                CHECK(IsWindowVisible(f.control("picMode", k)) == (k == c.value));
        } else if (std::string(c.bar) == "ScrollLevel") {
            CHECK(settings.level == c.value);
            CHECK(f.text("lblLevel") == L"Level:  " + std::to_wstring(c.value));
        } else {
            CHECK(settings.tileSet == c.value);
            CHECK(f.text("lblTileSet") == L"Change all tiles to black");
        }
    }
}

TEST_CASE("the board plays from the keyboard: arrows move the stop, Space and Enter play") {
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
    CHECK(f.text("lblMoves") == L"1");
    // Enter plays as Space does: the dialog manager must not take it.
    pressKey(*f.main, GetFocus(), VK_RETURN);
    CHECK(f.text("lblMoves") == L"2");
    CHECK(f.main->game().currentValue() == f.main->game().startValue());
    // Held down, the key plays once: the system's repeats do nothing.
    PostMessageW(GetFocus(), WM_KEYDOWN, VK_RETURN, 1);
    PostMessageW(GetFocus(), WM_KEYDOWN, VK_RETURN, 1 | (1 << 30));
    PostMessageW(GetFocus(), WM_KEYUP, VK_RETURN, static_cast<LPARAM>(0xC0000001u));
    pumpMessages(f.main.get());
    CHECK(f.text("lblMoves") == L"3");
    auto isTabStop = [&](int n) {
        return (GetWindowLongPtrW(f.tile(n), GWL_STYLE) & WS_TABSTOP) != 0;
    };
    CHECK(isTabStop(6));
    CHECK_FALSE(isTabStop(1));
    // A click makes its tile the board's stop too.
    f.clickTile(19);
    CHECK(isTabStop(19));
    CHECK_FALSE(isTabStop(6));
}

// As the menus show them, walked against the shared menu table: each title
// and item with its access key, a Ctrl shortcut after a tab (drawn in the
// right-hand column), separators between.
TEST_CASE("the menu bar's titles, items and shortcuts as drawn") {
    MainWindowFixture f;
    auto text = [](HMENU menu, std::size_t position) {
        wchar_t buffer[128] = L"";
        GetMenuStringW(menu, static_cast<UINT>(position), buffer, 128, MF_BYPOSITION);
        return win32::narrow(buffer);
    };
    HMENU bar = GetMenu(f.window());
    REQUIRE(GetMenuItemCount(bar) == static_cast<int>(forms::kMainMenu.size()));
    for (std::size_t m = 0; m < forms::kMainMenu.size(); ++m) {
        const forms::Menu& title = forms::kMainMenu[m];
        CHECK(text(bar, m) == title.caption);
        HMENU menu = GetSubMenu(bar, static_cast<int>(m));
        REQUIRE(GetMenuItemCount(menu) == static_cast<int>(title.items.size()));
        for (std::size_t i = 0; i < title.items.size(); ++i) {
            const forms::MenuItem& item = title.items[i];
            CAPTURE(std::string(item.name));
            const bool separator =
                GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_SEPARATOR;
            CHECK(separator == item.isSeparator());
            const std::string shortcut =
                item.ctrlShortcut ? std::string("\tCtrl+") + item.ctrlShortcut : "";
            CHECK(text(menu, i) == item.caption + shortcut);
        }
    }
}

TEST_CASE("the status bar shows its text and the clock's date and time, whole") {
    MainWindowFixture f;
    HWND bar = f.control("sbStatusBar");
    auto panel = [bar](int index) {
        wchar_t text[128] = L"";
        SendMessageW(bar, SB_GETTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
        return std::wstring(text);
    };
    CHECK(panel(0) == L"Status Bar");
    CHECK(panel(1) == L"7.12.2026 \u0433.");
    CHECK(panel(2) == L"9 h 41");
    f.clock.time = {2027, 1, 5, 23, 5, 0, 0};
    SendMessageW(f.window(), WM_TIMER, win32::kClockTimer, 0);
    CHECK(panel(1) == L"5.1.2027 \u0433.");
    CHECK(panel(2) == L"23 h 05");
    // Each panel at least an inch wide, the date's and the time's as wide as their texts.
    RECT date{}, time{};
    SendMessageW(bar, SB_GETRECT, 1, reinterpret_cast<LPARAM>(&date));
    SendMessageW(bar, SB_GETRECT, 2, reinterpret_cast<LPARAM>(&time));
    const int inch = win32::dpiOf(f.window()).px(1440);
    CHECK(date.right - date.left >= inch - 4);
    CHECK(time.right - time.left >= inch - 4);
}

TEST_CASE("keys as the rules get them: virtual keys, modifiers and repeats") {
    using ui::Key;
    struct Case {
        WPARAM key;
        LPARAM flags;
        win32::Modifiers held;
        ui::KeyPress press;
    };
    const LPARAM altDown = 1 << 29, repeat = 1 << 30;
    const std::vector<Case> cases{
        {'R', 1, {}, {Key::Letter, 'R'}},
        {'7', 1, {}, {Key::Letter, '7'}},
        {'N', 1 | altDown, {}, {Key::Letter, 'N', true}},
        {'N', 1, {true, false, false}, {Key::Letter, 'N', true}},
        {'H', 1, {false, true, false}, {Key::Letter, 'H', false, true}},
        {'H', 1, {false, true, true}, {Key::Letter, 'H', false, true, true}},
        {VK_NUMPAD1, 1, {}, {Key::Other}},  // its code is a lower-case 'a'
        {VK_LEFT, 1, {}, {Key::Left}},
        {VK_HOME, 1, {}, {Key::Home}},
        {VK_NEXT, 1, {}, {Key::PageDown}},
        {VK_SPACE, 1 | repeat, {}, {Key::Space, 0, false, false, false, true}},
        {VK_RETURN, 1, {}, {Key::Enter}},
        {VK_ESCAPE, 1, {}, {Key::Escape}},
        {VK_TAB, 1, {false, false, true}, {Key::Tab, 0, false, false, true}},
        {VK_F10, 1, {}, {Key::F10}},
        {VK_F4, 1 | altDown, {}, {Key::Other, 0, true}},
    };
    for (const Case& c : cases) {
        CAPTURE(c.key);
        const ui::KeyPress press = win32::keyPressOf(c.key, c.flags, c.held);
        CHECK(static_cast<int>(press.key) == static_cast<int>(c.press.key));
        CHECK(press.letter == c.press.letter);
        CHECK(press.alt == c.press.alt);
        CHECK(press.ctrl == c.press.ctrl);
        CHECK(press.shift == c.press.shift);
        CHECK(press.repeat == c.press.repeat);
    }
}
