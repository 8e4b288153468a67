// SPDX-License-Identifier: GPL-3.0-or-later
// The game window's rules as every front end gets them: commands from
// buttons, menus and keys, the preview under the pointer, the scroll bars,
// the status bar, help, the About box, the focus after a modal box, and the
// placement written on close.
#include <QtTest>
#include <string>

#include "FakeMainWindowView.h"
#include "FakeSettingsStore.h"
#include "MainWindow.h"
#include "MainWindowForm.h"
#include "PatternTable.h"
#include "ScriptedRandom.h"

using namespace tenebrix;
using namespace tenebrix::ui;
using namespace tenebrix::testing;
using forms::MenuCommand;

namespace {

struct StillClock : platform::LocalClock {
    platform::LocalTime now() override { return {2026, 12, 7, 9, 41, 20, 0}; }
    std::string shortDate(const platform::LocalTime&) override { return "07/12/2026"; }
    std::string shortTime(const platform::LocalTime&) override { return "09:41"; }
    bool shortTimeShowsSeconds() override { return false; }
};

const forms::Control& control(const char* name, int index = forms::kNoIndex) {
    return forms::frmMain::control(name, index);
}

KeyPress letter(char c, bool alt, bool ctrl = false) {
    return {Key::Letter, c, alt, ctrl, false, false};
}

// A window loaded with a level-2 puzzle made of presses on tiles 1 and 25.
struct Window {
    explicit Window(std::string help = "Tenebrix.hlp")
        : window(view, {random, store, clock, help}) {
        random.scriptPuzzle({1, 25});
        window.Form_Load();
        view.display.game = &window.game();
    }
    FakeMainWindowView view;
    ScriptedRandom random;
    FakeSettingsStore store;
    StillClock clock;
    MainWindow window;
};

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void buttonsMenusAndShortcutsRunTheSameCommands() {
        Window w;
        QCOMPARE(w.window.game().startValue(), moveMask(1, 1) ^ moveMask(1, 25));
        w.window.tileClicked(7);
        QCOMPARE(w.window.game().moveCount(), 1);
        w.window.buttonClicked(control("cmdReset"));
        QCOMPARE(w.window.game().moveCount(), 0);
        w.window.tileClicked(7);
        QVERIFY(w.window.keyDown(letter('R', false, true), nullptr));  // Ctrl+R
        QCOMPARE(w.window.game().moveCount(), 0);

        w.random.scriptPuzzle({3, 4});
        QVERIFY(w.window.keyDown(letter('N', true), &control("picTile", 7)));  // Alt+N
        QCOMPARE(w.window.game().startValue(), moveMask(1, 3) ^ moveMask(1, 4));
        // An access key takes the focus to its button, as a click would.
        QCOMPARE(w.view.focused, &control("cmdNewPuzzle"));

        w.random.scriptDraw(0);  // the hint picks the first move to go: tile 3
        w.window.command(MenuCommand::Hint);
        QCOMPARE(w.view.display.messages.back().text,
                 std::string("Why don't you try tile number:  3"));
        QVERIFY(w.view.display.tileNumbersVisible && w.view.display.tileNumbersChecked);
        w.window.command(MenuCommand::ViewTileNumbers);
        QVERIFY(!w.view.display.tileNumbersVisible && !w.view.display.tileNumbersChecked);
        QVERIFY(w.view.display.brokenRule.empty());
    }

    // A plain letter does nothing, whatever has the focus.
    void plainLettersDoNothing() {
        Window w;
        const PuzzleValue start = w.window.game().startValue();
        for (const char* name : {"cmdHint", "cmdNewPuzzle", "cmdReset"}) {
            w.view.focused = &control(name);
            for (char c : std::string("HNRX"))
                QVERIFY(!w.window.keyDown(letter(c, false), w.view.focused));
        }
        QCOMPARE(w.window.game().startValue(), start);
        QVERIFY(w.view.display.messages.empty());
        QCOMPARE(w.view.closeRequests, 0);
    }

    void boardFromTheKeyboard() {
        Window w;
        const forms::Control* tile = &control("picTile", 13);
        QVERIFY(w.window.keyDown({Key::Right}, tile));
        QCOMPARE(w.view.boardStop, 14);
        QVERIFY(w.window.keyDown({Key::Enter}, &control("picTile", 14)));
        QCOMPARE(w.window.game().moveCount(), 1);
        QVERIFY(w.window.keyDown({Key::Space}, &control("picTile", 14)));
        QCOMPARE(w.window.game().moveCount(), 2);
        KeyPress held{Key::Space};
        held.repeat = true;
        QVERIFY(w.window.keyDown(held, &control("picTile", 14)));
        QCOMPARE(w.window.game().moveCount(), 2);
        QCOMPARE(w.window.game().currentValue(), w.window.game().startValue());
    }

    // Which part of the window takes the preview off, and on which event.
    void previewUnderThePointer() {
        Window w;
        const auto marked = [&] {
            int count = 0;
            for (Colour c : w.view.display.backColours) count += c == rgb(0, 255, 0);
            return count;
        };
        const auto preview = [&] {
            w.window.pointerMoved(&control("picTile", 13));
            QCOMPARE(marked(), 5);
        };
        preview();
        for (const forms::Control* keeps :
             {&control("lblTileSet"), &control("ScrollMode"), &control("picMode", 1),
              &control("sbStatusBar"), &control("cmdNewPuzzle"), &control("PicOn"),
              &control("lblMoves")}) {
            w.window.pointerMoved(keeps);
            QCOMPARE(marked(), 5);
        }
        w.window.pointerReleased(&control("cmdHint"));
        QCOMPARE(marked(), 5);
        w.window.pointerMoved(&control("lblTileNumbers", 13));
        QCOMPARE(marked(), 5);
        QCOMPARE(w.window.game().preview().shownTile(), 0);
        for (const forms::Control* clears :
             {static_cast<const forms::Control*>(nullptr), &control("Frame1"), &control("cmdHint"),
              &control("cmdReset")}) {
            preview();
            w.window.pointerMoved(clears);
            QCOMPARE(marked(), 0);
        }
        preview();
        w.window.pointerReleased(&control("cmdNewPuzzle"));
        QCOMPARE(marked(), 0);
    }

    void scrollBars() {
        Window w;
        const forms::Control& level = control("ScrollLevel");
        w.random.scriptPuzzle({2, 3, 4});
        QCOMPARE(w.window.scrolled(level, 2, ScrollRequest::LineRight), 3);
        QCOMPARE(w.view.scrollValues["ScrollLevel"], 3);
        QCOMPARE(w.view.display.caption(Caption::Level), std::string("Level:  3"));
        QCOMPARE(w.window.game().settings().level, 3);
        // A thumb dragged and let go where it started goes back, and nothing changes.
        const PuzzleValue start = w.window.game().startValue();
        w.view.scrollValues.clear();
        QCOMPARE(w.window.scrolled(level, 3, ScrollRequest::ThumbTrack, 9), 3);
        QVERIFY(w.view.scrollValues.empty());
        QCOMPARE(w.window.scrolled(level, 3, ScrollRequest::ThumbRelease, 3), 3);
        QCOMPARE(w.view.scrollValues["ScrollLevel"], 3);
        QCOMPARE(w.window.game().startValue(), start);
        // The keys on a focused bar step from the game's own setting.
        QVERIFY(w.window.keyDown({Key::End}, &control("ScrollMode")));
        QCOMPARE(w.window.game().settings().mode, 9);
        QCOMPARE(w.view.display.caption(Caption::Mode), std::string("Mode  9"));
        QVERIFY(w.window.keyDown({Key::Home}, &control("ScrollTileSet")));
        QCOMPARE(w.view.display.tileSet, 1);
        QVERIFY(w.window.keyDown({Key::Right}, &control("ScrollTileSet")));
        QCOMPARE(w.view.display.tileSet, 2);
        QCOMPARE(w.window.game().settings().mode, 9);
    }

    void statusBarAndClock() {
        Window w;
        QCOMPARE(w.window.clockTick(), 40000);
        QCOMPARE(w.view.statusPanels[2], std::string("07/12/2026"));
        QCOMPARE(w.view.statusPanels[3], std::string("09:41"));
        w.window.command(MenuCommand::ViewStatusBar);
        QVERIFY(!w.view.statusBarVisible);
        QCOMPARE(w.view.checks[MenuCommand::ViewStatusBar], false);
        w.window.command(MenuCommand::ViewStatusBar);
        QVERIFY(w.view.statusBarVisible);
        QCOMPARE(w.view.checks[MenuCommand::ViewStatusBar], true);
    }

    void help() {
        Window withHelp;
        withHelp.window.command(MenuCommand::HelpContents);
        QCOMPARE(withHelp.view.helpOpened, std::vector<std::string>{"Tenebrix.hlp"});
        QVERIFY(withHelp.view.display.messages.empty());
        withHelp.view.helpFailure = "No program is set to open web pages.";
        withHelp.window.command(MenuCommand::HelpContents);
        QCOMPARE(withHelp.view.display.messages.back(),
                 (Message{"No program is set to open web pages.", "Tenebrix"}));

        Window withoutHelp("");
        withoutHelp.window.command(MenuCommand::HelpContents);
        QVERIFY(withoutHelp.view.helpOpened.empty());
        QCOMPARE(withoutHelp.view.display.messages.back(),
                 (Message{"Unable to display Help Contents. There is no Help associated with this "
                          "project.",
                          "Tenebrix", MessageButtons::Ok, MessageIcon::Information}));
    }

    // After a message box or the About box the control that had the focus
    // has it again.
    void focusComesBack() {
        Window w;
        w.view.focused = &control("cmdHint");
        w.window.buttonClicked(control("cmdHint"));
        QCOMPARE(w.view.display.messages.size(), std::size_t(1));
        QCOMPARE(w.view.focused, &control("cmdHint"));

        w.view.focused = &control("picTile", 1);
        w.window.tileClicked(1);
        w.window.tileClicked(25);  // solves it: the win message
        QCOMPARE(w.view.display.messages.size(), std::size_t(2));
        QCOMPARE(w.view.focused, &control("picTile", 1));

        w.view.focused = &control("ScrollMode");
        w.window.command(MenuCommand::HelpAbout);
        QCOMPARE(w.view.aboutBoxes, 1);
        QVERIFY(!w.view.focused);
        w.window.aboutBoxClosed();
        QCOMPARE(w.view.focused, &control("ScrollMode"));
    }

    void menuBarFromTheKeyboard() {
        Window w;
        QVERIFY(w.window.keyDown(letter('V', true), nullptr));
        QCOMPARE(std::string(w.view.openedMenu->name), std::string("mnuView"));
        QVERIFY(w.window.keyDown({Key::F10}, nullptr));
        QVERIFY(w.view.menuBarActive);
        QVERIFY(!w.window.keyDown({Key::Tab}, nullptr));
    }

    // Exit closes as the close box does; closing writes the placement in
    // twips with the player's decimal separator, unless minimised.
    void closing() {
        Window w;
        w.window.command(MenuCommand::Exit);
        QCOMPARE(w.view.closeRequests, 1);
        QCOMPARE(w.store.writes, 0);

        w.view.where = {1500, -2175.5f, 7035, 5985};
        w.view.separator = ",";
        w.window.Form_Unload();
        QCOMPARE(w.view.otherWindowsClosed, 1);
        const std::map<std::string, std::string> expected{{"Tenebrix/Settings/MainLeft", "1500"},
                                                          {"Tenebrix/Settings/MainTop", "-2175,5"},
                                                          {"Tenebrix/Settings/MainWidth", "7035"},
                                                          {"Tenebrix/Settings/MainHeight", "5985"}};
        QCOMPARE(w.store.values, expected);

        Window minimised;
        minimised.view.minimised = true;
        minimised.window.Form_Unload();
        QCOMPARE(minimised.view.otherWindowsClosed, 1);
        QCOMPARE(minimised.store.writes, 0);

        Window failing;
        failing.store.failWrites = true;
        failing.window.Form_Unload();  // a store that cannot be written holds nothing up
        QCOMPARE(failing.store.writes, 4);
    }
};

QTEST_GUILESS_MAIN(MainWindowTest)
#include "test_mainwindow.moc"
