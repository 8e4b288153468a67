// SPDX-License-Identifier: GPL-3.0-or-later
// The game on the page: the splash's frames and hand-over, the menu
// commands of the page's own, and a win answered through the message box.
#include <doctest.h>

#include "NoSystemTools.h"
#include "ProjectVersion.h"
#include "RecordingPage.h"
#include "ScriptedRandom.h"
#include "WebGame.h"

using namespace tenebrix;
using forms::MenuCommand;
using tenebrix::testing::RecordingPage;
using tenebrix::testing::ScriptedRandom;

namespace {

struct PageGame {
    explicit PageGame(std::string helpPath = "Tenebrix.html")
        : game(page, random, {registry, launcher}, std::move(helpPath)) {}

    // Through the splash to the game window.
    void handOver() {
        game.start(1);
        for (int tick = 0; tick < 7; ++tick) game.splashTick();
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

}  // namespace

TEST_CASE("the splash steps its frames on the ticks and hands over on the seventh") {
    PageGame g;
    g.game.start(2);
    // The splash's pictures first, at the device's scale; the rest later.
    CHECK(g.page.defined.at(200).width == 242);
    CHECK(g.page.picture["picLogo(5)"] == 205);
    CHECK(g.page.defined.count(1) == 0);
    CHECK(g.page.windowLog == std::vector<std::string>{"show frmSplash"});
    // Frame shown after each tick: the first tick changes nothing.
    const int framesAfterTick[] = {0, 1, 2, 3, 4, 5};
    CHECK(visibleLogoFrame(g.page) == 0);
    for (int frame : framesAfterTick) {
        CHECK(g.game.splashTick());
        CHECK(visibleLogoFrame(g.page) == frame);
    }
    CHECK(g.page.text.count("lblMoves") == 0);  // the game window not yet loaded
    CHECK_FALSE(g.game.splashTick());
    CHECK(g.page.windowLog ==
          std::vector<std::string>{"show frmSplash", "show frmMain", "close frmSplash"});
    CHECK(g.page.text["lblMoves"] == "0");
    CHECK(g.page.focused == "cmdHint");
    // Drawn at the hand-over at the latest, at the same scale.
    CHECK(g.page.defined.at(1).width == 64);
    CHECK(g.page.picture["picMode(4)"] == 104);
    CHECK(g.page.picture["picIcon"] == 301);
    CHECK_FALSE(g.game.splashTick());  // never again
    CHECK(g.page.windowLog.size() == 3);
}

TEST_CASE("View > Status Bar hides and shows the bar with its check mark") {
    PageGame g;
    g.handOver();
    g.game.command(MenuCommand::ViewStatusBar);
    CHECK_FALSE(g.page.visible["sbStatusBar"]);
    CHECK_FALSE(g.page.checked["mnuViewStatusBar"]);
    g.game.command(MenuCommand::ViewStatusBar);
    CHECK(g.page.visible["sbStatusBar"]);
    CHECK(g.page.checked["mnuViewStatusBar"]);
}

TEST_CASE("How to Play opens the help page, or says why not") {
    const struct {
        const char* helpPath;
        const char* failure;
        std::size_t opened;
        const char* message;  // nullptr for none
        MessageIcon icon;
    } cases[] = {
        {"Tenebrix.html", "", 1, nullptr, MessageIcon::None},
        {"Tenebrix.html", "no new tab", 1, "no new tab", MessageIcon::None},
        {"", "", 0,
         "Unable to display Help Contents. There is no Help associated with this project.",
         MessageIcon::Information},
    };
    for (const auto& c : cases) {
        PageGame g(c.helpPath);
        g.page.helpFailure = c.failure;
        g.handOver();
        g.game.command(MenuCommand::HelpContents);
        CAPTURE(std::string(c.helpPath));
        CAPTURE(std::string(c.failure));
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

TEST_CASE("the About box is filled each time it opens, and System Info finds no tool") {
    PageGame g;
    g.handOver();
    for (int opening = 0; opening < 2; ++opening) {
        g.page.text.erase("lblVersion");
        g.game.command(MenuCommand::HelpAbout);
        CHECK(g.page.text["lblVersion"] == "Version " TENEBRIX_PROJECT_VERSION);
        CHECK(g.page.text["lblTitle"] == "Tenebrix");
        CHECK(g.page.windowLog.back() == "modal frmAbout");
    }
    g.game.cmdSysInfo_Click();
    REQUIRE(g.page.messages.size() == 1);
    CHECK(g.page.messages[0] ==
          Message{"System Information Is Unavailable At This Time", "Tenebrix"});
}

TEST_CASE("a win waits for the answer: Yes raises the level, No keeps it") {
    for (const MessageAnswer answer : {MessageAnswer::Yes, MessageAnswer::No}) {
        PageGame g;
        g.random.scriptPuzzle({1, 25});  // the first puzzle, level 2, mode 1
        g.handOver();
        g.page.answers.push_back(answer);
        g.game.game().picTile_Click(25);
        g.game.game().picTile_Click(1);
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

TEST_CASE("Exit leaves the page") {
    PageGame g;
    g.handOver();
    g.game.command(MenuCommand::Exit);
    CHECK(g.page.exited);
}
