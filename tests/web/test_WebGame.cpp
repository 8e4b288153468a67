// SPDX-License-Identifier: GPL-3.0-or-later
// The game on the page, driven as the page's script drives it: timers,
// keys, clicks, the pointer and the scroll bars by the names of the page's
// elements, the message box answered by clicks and keys. These check the
// page's translation of its events and what it shows; the rules behind
// them are tested once, in tests/ui.
#include <doctest.h>

#include <cmath>
#include <utility>

#include "MessageBox.h"
#include "NoSystemTools.h"
#include "PatternTable.h"
#include "ProjectVersion.h"
#include "RecordingPage.h"
#include "ScriptedRandom.h"
#include "WebGame.h"

using namespace tenebrix;
using tenebrix::testing::RecordingPage;
using tenebrix::testing::ScriptedRandom;
using web::MessageEvent;
using web::Timer;

namespace {

struct PageGame {
    explicit PageGame(std::string helpPath = "Tenebrix.html")
        : game(page, random, {registry, launcher}, std::move(helpPath)) {
        random.scriptPuzzle({1, 25});  // the first puzzle: tiles 1 and 25, level 2, mode 1
    }

    // Through the splash to the game window, on the timer the game set.
    void handOver() {
        game.start(1);
        for (int tick = 0; tick < 7; ++tick) game.timer(Timer::Splash);
    }
    bool key(const char* name, bool alt = false, bool ctrl = false, bool shift = false,
             bool repeat = false) {
        return game.keyDown(name, "", alt, ctrl, shift, repeat);
    }

    RecordingPage page;
    ScriptedRandom random;
    web::EmptyRegistry registry;
    web::NoLauncher launcher;
    web::WebGame game;
};

int visibleLogoFrame(RecordingPage& page) {
    int shown = -1;
    for (int frame = 0; frame < 6; ++frame) {
        if (page.visible["picLogo(" + std::to_string(frame) + ")"]) {
            if (shown != -1) return -2;  // two at once
            shown = frame;
        }
    }
    return shown;
}

MessageEvent keyEvent(const char* key, bool alt = false) {
    return {MessageEvent::Kind::Key, "", key, alt, false, false, false, ""};
}

}  // namespace

TEST_CASE("the splash steps its frames on its timer and hands over on the seventh tick") {
    PageGame g;
    g.game.start(2);
    // The splash's pictures first, at the device's scale; the rest later.
    CHECK(g.page.defined.at(200).width == 242);
    CHECK(g.page.picture["picLogo(5)"] == 205);
    CHECK(g.page.defined.count(1) == 0);
    CHECK(g.page.windowLog == std::vector<std::string>{"show frmSplash"});
    CHECK(g.page.timers.at(Timer::Splash) == 500);
    // Frame shown after each tick: the first tick changes nothing.
    CHECK(visibleLogoFrame(g.page) == 0);
    for (const int frame : {0, 1, 2, 3, 4, 5}) {
        g.game.timer(Timer::Splash);
        CHECK(visibleLogoFrame(g.page) == frame);
    }
    CHECK(g.page.text.count("lblMoves") == 0);  // the game window not yet loaded
    g.game.timer(Timer::Splash);
    CHECK(g.page.windowLog ==
          std::vector<std::string>{"show frmSplash", "show frmMain", "close frmSplash"});
    CHECK(g.page.timers.at(Timer::Splash) == 0);  // stopped
    CHECK(g.page.text["lblMoves"] == "0");
    CHECK(g.page.focused == "cmdHint");
    // Drawn at the hand-over at the latest, at the same scale.
    CHECK(g.page.defined.at(1).width == 64);
    CHECK(g.page.picture["picMode(4)"] == 104);
    CHECK(g.page.picture["picIcon"] == 301);
    g.game.timer(Timer::Splash);  // one already on its way does nothing
    CHECK(g.page.windowLog.size() == 3);
}

TEST_CASE(
    "the pictures' scale: the whole part of the screen's ratio, 1 to 4, drawn anew on a change") {
    // The logo frames are 121 pixels a side, the tiles 32, the mode
    // diagrams 55, the About box's picture 28.
    const std::pair<double, int> ratios[] = {
        {0.5, 1}, {1.0, 1}, {1.25, 1},  {1.99, 1}, {2.0, 2},          {3.0, 3},     {3.5, 3},
        {4.0, 4}, {5.0, 4}, {1e300, 4}, {-2.0, 1}, {std::nan(""), 1}, {HUGE_VAL, 4}};
    for (const auto& entry : ratios) {
        const double ratio = entry.first;
        const int scale = entry.second;
        CAPTURE(ratio);
        PageGame g;
        g.game.start(ratio);
        CHECK(g.page.defined.at(200).width == 121 * scale);
        CHECK(g.page.definedScale.at(200) == scale);
    }

    PageGame g;
    g.game.start(1.5);
    g.game.deviceRatioChanged(2.0);  // the splash's frames again, at 2
    CHECK(g.page.defined.at(205).width == 242);
    CHECK(g.page.definedScale.at(205) == 2);
    CHECK(g.page.defined.count(1) == 0);  // the game window's still wait for it
    for (int tick = 0; tick < 7; ++tick) g.game.timer(Timer::Splash);
    CHECK(g.page.defined.at(16).width == 64);

    g.page.defined.clear();
    g.game.deviceRatioChanged(2.5);  // the same scale: nothing to draw again
    CHECK(g.page.defined.empty());
    g.game.deviceRatioChanged(6.0);
    CHECK(g.page.defined.at(1).width == 128);
    CHECK(g.page.defined.at(16).width == 128);
    CHECK(g.page.definedScale.at(16) == 4);
    CHECK(g.page.defined.at(109).width == 220);
    CHECK(g.page.defined.at(301).width == 112);
    CHECK(g.page.defined.count(200) == 0);  // the splash is gone: its frames are not
    // The board keeps showing its tiles by key: the page draws them anew.
    CHECK(g.page.picture["picTile(13)"] >= 1);
}

TEST_CASE("the splash ignores keys, clicks and a request to close, and hands over on time") {
    PageGame g;
    g.game.start(1);
    for (int tick = 0; tick < 6; ++tick) {
        CHECK_FALSE(g.key("Escape"));
        CHECK_FALSE(g.key("Enter"));
        CHECK_FALSE(g.key("n", true));
        g.game.closeRequest("frmSplash");
        g.game.click("cmdNewPuzzle");
        g.game.timer(Timer::Splash);
    }
    CHECK(g.page.windowLog == std::vector<std::string>{"show frmSplash"});
    CHECK(visibleLogoFrame(g.page) == 5);
    g.game.timer(Timer::Splash);
    CHECK(g.page.windowLog ==
          std::vector<std::string>{"show frmSplash", "show frmMain", "close frmSplash"});
}

TEST_CASE("access keys need Alt: a plain letter on a button does nothing, Alt and it presses") {
    PageGame g;
    g.handOver();
    g.game.click("picTile(7)");
    REQUIRE(g.game.game().moveCount() == 1);
    for (const char* letter : {"r", "R", "n", "h"}) {
        g.page.focused = "cmdReset";
        CAPTURE(std::string(letter));
        CHECK_FALSE(g.key(letter));
        CHECK(g.game.game().moveCount() == 1);
        CHECK(g.page.messages.empty());
    }
    CHECK(g.key("r", true));  // Alt+R, the letter as the browser names it
    CHECK(g.game.game().moveCount() == 0);
    CHECK(g.page.focused == "cmdReset");
    g.game.click("picTile(7)");
    CHECK(g.key("r", false, true));  // Ctrl+R runs File > Reset Puzzle
    CHECK(g.game.game().moveCount() == 0);
    // Keys the game has no use for go back to the browser, whatever they are.
    for (const char* odd : {"\\", "\"", "]", "'", "", "F4", "Dead", "\xc3\xa9"}) {
        CAPTURE(std::string(odd));
        CHECK_FALSE(g.key(odd, true));
        CHECK_FALSE(g.key(odd, false, true));
    }
}

TEST_CASE("on the board the arrows move the stop, Enter and Space play, a held key once") {
    PageGame g;
    g.handOver();
    g.page.focused = "picTile(7)";
    CHECK(g.key("ArrowRight"));
    CHECK(g.page.focused == "picTile(8)");
    CHECK(g.key("ArrowUp"));
    CHECK(g.key("ArrowUp"));  // the top edge holds
    CHECK(g.page.focused == "picTile(3)");
    CHECK(g.key("Enter"));
    CHECK(g.game.game().moveCount() == 1);
    CHECK(g.key("Enter", false, false, false, true));  // held: taken, nothing more
    CHECK(g.key(" "));
    CHECK(g.game.game().moveCount() == 2);
    CHECK(g.game.game().currentValue() == g.game.game().startValue());  // tile 3 twice
    // A focused scroll bar steps with the keys; its new value goes to the page.
    g.page.focused = "ScrollLevel";
    CHECK(g.key("End"));
    CHECK(g.page.scrollValue["ScrollLevel"] == 20);
    CHECK(g.page.text["lblLevel"] == "Level:  20");
}

TEST_CASE("after a message box the focus is back on the control that had it") {
    PageGame g;
    g.handOver();
    for (const char* control : {"ScrollMode", "cmdNewPuzzle", "picTile(12)"}) {
        g.page.focused = control;
        CHECK(g.key("h", false, true));  // Ctrl+H: the hint's message box
        REQUIRE(!g.page.messages.empty());
        CHECK(g.page.messages.back().title == "Hint");
        CHECK(g.page.focusAtMessage.back() == control);
        CHECK_FALSE(g.page.messageOpen);
        CHECK(g.page.focused == control);
    }
}

TEST_CASE("the About box: filled each time, its keys and buttons, the focus back after it") {
    PageGame g;
    g.handOver();
    for (const char* closer : {"click cmdOK", "Enter", "Escape", "close box"}) {
        CAPTURE(std::string(closer));
        g.page.focused = "ScrollTileSet";
        g.page.text.erase("lblVersion");
        g.game.chooseMenuItem("mnuHelpAbout");
        CHECK(g.page.windowLog.back() == "modal frmAbout");
        CHECK(g.page.text["lblVersion"] == "Version " TENEBRIX_PROJECT_VERSION);
        CHECK(g.page.text["lblTitle"] == "Tenebrix");
        // The game window takes nothing while the box is open.
        g.game.click("cmdReset");
        g.game.pointer("clientArea", ui::PointerEvent::Move);
        CHECK_FALSE(g.key("r", true));
        const std::string how = closer;
        if (how == "click cmdOK") g.game.click("cmdOK");
        if (how == "Enter") CHECK(g.key("Enter"));
        if (how == "Escape") CHECK(g.key("Escape"));
        if (how == "close box") g.game.closeRequest("frmAbout");
        CHECK(g.page.windowLog.back() == "close frmAbout");
        CHECK(g.page.focused == "ScrollTileSet");
    }
    g.game.chooseMenuItem("mnuHelpAbout");
    CHECK(g.key("s", true));  // Alt+S: System Info, which finds no tool here
    REQUIRE(g.page.messages.size() == 1);
    CHECK(g.page.messages[0] ==
          Message{"System Information Is Unavailable At This Time", "Tenebrix"});
    CHECK(g.page.windowLog.back() == "modal frmAbout");  // still open behind it
    CHECK(g.page.focused == "cmdSysInfo");
    g.game.click("cmdSysInfo");
    CHECK(g.page.messages.size() == 2);
    CHECK_FALSE(g.key("s"));  // no Alt: nothing
    CHECK(g.page.messages.size() == 2);
}

TEST_CASE("clicks by element name: tiles play, buttons command, anything else does nothing") {
    PageGame g;
    g.handOver();
    g.game.click("picTile(13)");
    CHECK(g.game.game().moveCount() == 1);
    // Names that are no button or tile of the window: no move, no reset.
    for (const char* id : {"lblMoves", "Frame1", "clientArea", "cmdOK", "picTile(0)", "picTile(26)",
                           "cmdReset(1)", "", "cmdResetPuzzle", "mnuReset"}) {
        CAPTURE(std::string(id));
        g.game.click(id);
        CHECK(g.game.game().moveCount() == 1);
        CHECK(g.page.messages.empty());
    }
    g.game.click("cmdReset");
    CHECK(g.game.game().moveCount() == 0);
    g.game.click("cmdHint");
    CHECK(g.page.messages.back().title == "Hint");
    g.random.scriptPuzzle({2, 3});
    g.game.click("cmdNewPuzzle");
    CHECK(g.game.game().startValue() == (moveMask(1, 2) ^ moveMask(1, 3)));
}

TEST_CASE("the pointer by element name: the window's rules decide the preview") {
    PageGame g;
    g.handOver();
    const auto previewed = [&g](int tile) {
        return g.page.backColour["picTile(" + std::to_string(tile) + ")"] == kHighlightColour;
    };
    g.game.pointer("picTile(13)", ui::PointerEvent::Move);
    CHECK(previewed(13));
    CHECK(previewed(8));
    // Over a label, a status panel or an unknown name the preview stays.
    for (const char* id : {"lblMoves", "Panels(2)", "ScrollMode", "nothing", ""}) {
        CAPTURE(std::string(id));
        g.game.pointer(id, ui::PointerEvent::Move);
        CHECK(previewed(13));
    }
    g.game.pointer("cmdNewPuzzle", ui::PointerEvent::Move);
    CHECK(previewed(13));
    g.game.pointer("cmdNewPuzzle", ui::PointerEvent::Release);
    CHECK_FALSE(previewed(13));
    g.game.pointer("picTile(1)", ui::PointerEvent::Move);
    CHECK(previewed(1));
    g.game.pointer("clientArea", ui::PointerEvent::Move);  // the bare window
    CHECK_FALSE(previewed(1));
}

TEST_CASE("the scroll bars' requests by name; the value comes back from the game") {
    PageGame g;
    g.handOver();
    g.game.scroll("ScrollMode", "LineRight", 0);
    CHECK(g.page.scrollValue["ScrollMode"] == 2);
    CHECK(g.page.text["lblMode"] == "Mode  2");
    g.game.scroll("ScrollMode", "PageLeft", 0);
    g.game.scroll("ScrollMode", "PageLeft", 0);  // held at the minimum
    CHECK(g.page.scrollValue["ScrollMode"] == 1);
    g.game.scroll("ScrollTileSet", "ThumbRelease", 6);
    CHECK(g.page.scrollValue["ScrollTileSet"] == 6);
    CHECK(g.page.picture["PicOn"] == 11);
    g.page.scrollValue.erase("ScrollTileSet");
    g.game.scroll("ScrollTileSet", "ThumbRelease", 6);  // let go where it was: back in place
    CHECK(g.page.scrollValue.at("ScrollTileSet") == 6);
    g.game.scroll("ScrollLevel", "ThumbRelease", 99);
    CHECK(g.page.scrollValue["ScrollLevel"] == 20);
    // Unknown requests and names change nothing.
    g.page.scrollValue.clear();
    g.game.scroll("ScrollLevel", "LineUp", 0);
    g.game.scroll("ScrollLevel", "", 0);
    g.game.scroll("lblLevel", "LineRight", 0);
    g.game.scroll("cmdHint", "LineRight", 0);
    CHECK(g.page.scrollValue.empty());
    CHECK(g.page.text["lblLevel"] == "Level:  20");
}

TEST_CASE("menus from the keyboard: F10 and Alt open, the arrows move, Enter and a letter choose") {
    PageGame g;
    g.handOver();
    g.page.focused = "picTile(4)";
    CHECK(g.key("F10"));
    CHECK(g.page.menu == "mnuFile");
    CHECK(g.page.focused == "mnuHint");
    CHECK(g.key("ArrowUp"));  // round past the separator to Exit
    CHECK(g.page.focused == "mnuFileExit");
    CHECK(g.key("ArrowRight"));
    CHECK(g.page.menu == "mnuView");
    CHECK(g.page.focused == "mnuViewStatusBar");
    CHECK(g.key("Enter"));
    CHECK(g.page.menu.empty());
    CHECK(g.page.visible.at("sbStatusBar") == false);
    CHECK_FALSE(g.page.checked.at("mnuViewStatusBar"));
    CHECK(g.page.focused == "picTile(4)");
    CHECK(g.key("v", true));
    CHECK(g.key("t"));  // Tile Numbers
    CHECK(g.page.checked.at("mnuTileNumbers"));
    CHECK(g.key("h", true));  // Alt+H is the Hint button, not the Help menu
    CHECK(g.page.menu.empty());
    CHECK(g.page.messages.back().title == "Hint");
    CHECK(g.key("Escape") == false);  // no menu open: not the game's
    CHECK(g.key("F10"));
    CHECK(g.key("Escape"));
    CHECK(g.page.menu.empty());
    CHECK(g.page.focused == "cmdHint");
    CHECK(g.key("F10"));
    CHECK_FALSE(g.key("Tab"));  // closes, and the browser moves the focus on
    CHECK(g.page.menu.empty());
    g.game.chooseMenuItem("mnuReset");
    g.game.chooseMenuItem("mnuFileBar1");  // a separator chooses nothing
    g.game.chooseMenuItem("mnuNothing");
    CHECK(g.page.messages.size() == 1);
}

TEST_CASE("the message box: clicks on its buttons and its keys answer, others wait") {
    using web::messageAnswer;
    const MessageEvent click{
        MessageEvent::Kind::Click, "msgNo", "", false, false, false, false, ""};
    CHECK(messageAnswer(MessageButtons::YesNo, click) == MessageAnswer::No);
    CHECK_FALSE(messageAnswer(MessageButtons::Ok, click));  // no such button in an OK box
    MessageEvent focusedNo = keyEvent("Enter");
    focusedNo.element = "msgNo";
    CHECK(messageAnswer(MessageButtons::YesNo, focusedNo) == MessageAnswer::No);
    focusedNo.key = " ";
    CHECK(messageAnswer(MessageButtons::YesNo, focusedNo) == MessageAnswer::No);
    CHECK(messageAnswer(MessageButtons::YesNo, keyEvent("Enter")) == MessageAnswer::Yes);
    CHECK(messageAnswer(MessageButtons::YesNo, keyEvent("y")) == MessageAnswer::Yes);
    CHECK(messageAnswer(MessageButtons::YesNo, keyEvent("N")) == MessageAnswer::No);
    CHECK_FALSE(messageAnswer(MessageButtons::YesNo, keyEvent("Escape")));
    CHECK(messageAnswer(MessageButtons::Ok, keyEvent("Escape")) == MessageAnswer::Ok);
    CHECK_FALSE(messageAnswer(MessageButtons::Ok, keyEvent("y")));
    CHECK_FALSE(messageAnswer(MessageButtons::Ok, keyEvent("Shift")));

    // A win waits through keys that answer nothing for the one that does.
    PageGame g;
    g.handOver();
    for (const char* key : {"Escape", "x", "Tab"}) g.page.events.push_back(keyEvent(key));
    g.page.events.push_back(keyEvent("n"));
    g.game.click("picTile(25)");
    g.game.click("picTile(1)");
    REQUIRE(g.page.messages.size() == 1);
    CHECK(g.page.messages[0].buttons == MessageButtons::YesNo);
    CHECK(g.page.messageEvents == 4);
    CHECK(g.page.text["lblLevel"] == "Level:  2");  // No
}

TEST_CASE("a win waits for the answer: Yes raises the level, No keeps it") {
    for (const MessageAnswer answer : {MessageAnswer::Yes, MessageAnswer::No}) {
        PageGame g;
        g.handOver();
        g.page.answers.push_back(answer);
        g.game.click("picTile(25)");
        g.game.click("picTile(1)");
        REQUIRE(g.page.messages.size() == 1);
        CHECK(g.page.messages[0].buttons == MessageButtons::YesNo);
        // While the box is open the board is the solved one.
        CHECK(g.page.captionsAtMessage[0]["lblPuzState"] == " 0");
        CHECK(g.page.captionsAtMessage[0]["lblMoves"] == "2");
        const bool yes = answer == MessageAnswer::Yes;
        CAPTURE(yes);
        CHECK(g.page.text["lblLevel"] == (yes ? "Level:  3" : "Level:  2"));
        CHECK(g.page.scrollValue.count("ScrollLevel") == (yes ? 1u : 0u));
        if (yes) CHECK(g.page.scrollValue["ScrollLevel"] == 3);
        CHECK(g.page.text["lblMoves"] == "0");  // the next puzzle
    }
}

TEST_CASE("How to Play opens the help page, or says why not") {
    const struct {
        const char* helpPath;
        bool refused;
        std::size_t opened;
        const char* message;  // nullptr for none
        MessageIcon icon;
    } cases[] = {
        {"Tenebrix.html", false, 1, nullptr, MessageIcon::None},
        {"Tenebrix.html", true, 1, "The browser did not open the help page in a new tab.",
         MessageIcon::None},
        {"", false, 0,
         "Unable to display Help Contents. There is no Help associated with this project.",
         MessageIcon::Information},
    };
    for (const auto& c : cases) {
        PageGame g(c.helpPath);
        g.page.helpRefused = c.refused;
        g.handOver();
        g.game.chooseMenuItem("mnuHelpContents");
        CAPTURE(std::string(c.helpPath));
        CAPTURE(c.refused);
        CHECK(g.page.helpOpened.size() == c.opened);
        if (c.opened) CHECK(g.page.helpOpened[0] == c.helpPath);
        REQUIRE(g.page.messages.size() == (c.message ? 1u : 0u));
        if (c.message) {
            CHECK(g.page.messages[0].text == c.message);
            CHECK(g.page.messages[0].title == "Tenebrix");
            CHECK(g.page.messages[0].buttons == MessageButtons::Ok);
            CHECK(g.page.messages[0].icon == c.icon);
        }
    }
}

TEST_CASE("the status bar's clock: the page's time and formats, the wait the game asks for") {
    PageGame g;
    g.page.now = {2026, 12, 7, 9, 41, 20, 500};
    g.handOver();
    CHECK(g.page.text["Panels(2)"] == "7/12");
    CHECK(g.page.text["Panels(3)"] == "9:41");
    CHECK(g.page.timers.at(Timer::StatusClock) == 39500);  // to 9:42
    g.page.now = {2026, 12, 7, 9, 42, 0, 2};
    g.page.showsSeconds = true;
    g.game.timer(Timer::StatusClock);
    CHECK(g.page.text["Panels(3)"] == "9:42");
    CHECK(g.page.timers.at(Timer::StatusClock) == 998);
}

TEST_CASE("leaving the page writes the game window's place in twips; Exit does and ends") {
    {
        PageGame g;
        g.game.start(1);
        g.game.unload();  // only the splash was up
        CHECK(g.page.settings.empty());
    }
    PageGame g;
    g.handOver();
    g.page.placement = {93.5f, 40, 455, 367};
    g.page.separator = ",";
    g.game.chooseMenuItem("mnuHelpAbout");
    g.game.unload();
    CHECK(g.page.settings ==
          std::map<std::string, std::string>{{"Tenebrix/Settings/MainLeft", "1402,5"},
                                             {"Tenebrix/Settings/MainTop", "600"},
                                             {"Tenebrix/Settings/MainWidth", "6825"},
                                             {"Tenebrix/Settings/MainHeight", "5505"}});
    CHECK(g.page.windowLog.back() == "close frmAbout");  // closed with the window
    CHECK_FALSE(g.page.exited);

    g.page.settings.clear();
    g.page.storageBroken = true;  // a store that cannot be written holds nothing up
    g.game.chooseMenuItem("mnuFileExit");
    CHECK(g.page.exited);
    CHECK(g.page.windowLog.back() == "close frmMain");
    CHECK(g.page.timers.at(Timer::StatusClock) == 0);
    g.page.storageBroken = false;
    g.game.unload();  // the window has gone: nothing more
    g.game.click("picTile(1)");
    CHECK(g.page.settings.empty());
    CHECK(g.game.game().moveCount() == 0);
}
