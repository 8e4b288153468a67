// SPDX-License-Identifier: GPL-3.0-or-later
// Which key does what in the game's windows, on every front end: access
// keys only with Alt, shortcuts with Ctrl, the board's arrows and play keys,
// the scroll bars' keys, the About box, message boxes and open menus.
#include <QtTest>
#include <string>

#include "AboutControls.h"
#include "MainWindowControls.h"
#include "WindowKeys.h"

using namespace tenebrix;
using namespace tenebrix::ui;
using Kind = WindowKeyAction::Kind;
using forms::MenuCommand;

namespace {

KeyPress letter(char c, bool alt = false, bool ctrl = false, bool shift = false) {
    return {Key::Letter, c, alt, ctrl, shift};
}
KeyPress key(Key k, bool alt = false, bool ctrl = false, bool shift = false, bool repeat = false) {
    return {k, 0, alt, ctrl, shift, repeat};
}
const forms::Control* mainControl(const char* name, int index = forms::kNoIndex) {
    return &forms::frmMain::control(name, index);
}
std::string pressed(const WindowKeyAction& action) {
    return action.kind == Kind::PressButton ? action.control->fullName() : std::string("-");
}
std::string opened(const WindowKeyAction& action) {
    return action.kind == Kind::OpenMenu ? action.menu->name : std::string("-");
}

}  // namespace

class WindowKeysTest : public QObject {
    Q_OBJECT
  private slots:
    // Alt and the letter press the window's own button first, then open a
    // menu; a plain letter never fires anything, whatever has the focus.
    void accessKeysNeedAlt() {
        const forms::Control* focusedOn[] = {nullptr, mainControl("cmdReset"),
                                             mainControl("cmdNewPuzzle"),
                                             mainControl("ScrollMode")};
        for (const forms::Control* focused : focusedOn) {
            for (char c : std::string("HNRFVXABZ0")) {
                QCOMPARE(mainWindowKey(letter(c), focused).kind, Kind::None);
                QCOMPARE(mainWindowKey(letter(c, false, false, true), focused).kind, Kind::None);
            }
            QCOMPARE(pressed(mainWindowKey(letter('H', true), focused)), std::string("cmdHint"));
            QCOMPARE(pressed(mainWindowKey(letter('N', true), focused)),
                     std::string("cmdNewPuzzle"));
            QCOMPARE(pressed(mainWindowKey(letter('R', true), focused)), std::string("cmdReset"));
            QCOMPARE(opened(mainWindowKey(letter('F', true), focused)), std::string("mnuFile"));
            QCOMPARE(opened(mainWindowKey(letter('V', true), focused)), std::string("mnuView"));
            // E&xit is an item, not a title: Alt+X alone does nothing.
            QCOMPARE(mainWindowKey(letter('X', true), focused).kind, Kind::None);
            QCOMPARE(mainWindowKey(letter('H', true, true), focused).kind, Kind::None);
        }
        // Shift does not stop Alt+letter, as on the desktop.
        QCOMPARE(pressed(mainWindowKey(letter('N', true, false, true), nullptr)),
                 std::string("cmdNewPuzzle"));
    }

    void shortcutsAndMenuBar() {
        const std::pair<char, MenuCommand> shortcuts[] = {{'H', MenuCommand::Hint},
                                                          {'N', MenuCommand::NewPuzzle},
                                                          {'R', MenuCommand::ResetPuzzle}};
        for (const auto& [c, command] : shortcuts) {
            const WindowKeyAction action = mainWindowKey(letter(c, false, true), nullptr);
            QCOMPARE(action.kind, Kind::RunCommand);
            QCOMPARE(action.command, command);
            QCOMPARE(mainWindowKey(letter(c, false, true, true), nullptr).kind, Kind::None);
        }
        for (char c : std::string("XTBAFV"))
            QCOMPARE(mainWindowKey(letter(c, false, true), nullptr).kind, Kind::None);
        QCOMPARE(mainWindowKey(key(Key::F10), mainControl("cmdHint")).kind, Kind::ActivateMenuBar);
        QCOMPARE(mainWindowKey(key(Key::F10, false, false, true), nullptr).kind, Kind::None);
        // Enter, Esc and Tab away from the board are the controls' own.
        for (Key k : {Key::Enter, Key::Escape, Key::Tab, Key::Space})
            QCOMPARE(mainWindowKey(key(k), mainControl("cmdHint")).kind, Kind::None);
    }

    // The arrows at every edge and corner of the board stay on it; Space and
    // Enter play the tile in focus, once however long they are held.
    void boardKeys_data() {
        QTest::addColumn<int>("tile");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("up");
        QTest::addColumn<int>("down");
        QTest::newRow("top-left") << 1 << 1 << 2 << 1 << 6;
        QTest::newRow("top-right") << 5 << 4 << 5 << 5 << 10;
        QTest::newRow("bottom-left") << 21 << 21 << 22 << 16 << 21;
        QTest::newRow("bottom-right") << 25 << 24 << 25 << 20 << 25;
        QTest::newRow("top edge") << 3 << 2 << 4 << 3 << 8;
        QTest::newRow("left edge") << 11 << 11 << 12 << 6 << 16;
        QTest::newRow("right edge") << 15 << 14 << 15 << 10 << 20;
        QTest::newRow("bottom edge") << 23 << 22 << 24 << 18 << 23;
        QTest::newRow("centre") << 13 << 12 << 14 << 8 << 18;
    }
    void boardKeys() {
        QFETCH(int, tile);
        QFETCH(int, left);
        QFETCH(int, right);
        QFETCH(int, up);
        QFETCH(int, down);
        const forms::Control* focused = mainControl("picTile", tile);
        const std::pair<Key, int> moves[] = {
            {Key::Left, left}, {Key::Right, right}, {Key::Up, up}, {Key::Down, down}};
        for (const auto& [k, to] : moves) {
            const WindowKeyAction action = mainWindowKey(key(k), focused);
            QCOMPARE(action.kind, Kind::Board);
            QCOMPARE(action.board, (BoardKeyAction{BoardKeyAction::Kind::MoveStop, to}));
            // With a modifier the arrows are not the board's.
            QCOMPARE(mainWindowKey(key(k, false, true), focused).kind, Kind::None);
        }
        for (Key k : {Key::Space, Key::Enter}) {
            QCOMPARE(mainWindowKey(key(k), focused).board,
                     (BoardKeyAction{BoardKeyAction::Kind::Play, tile}));
            QCOMPARE(mainWindowKey(key(k, false, false, false, true), focused).board,
                     (BoardKeyAction{BoardKeyAction::Kind::Nothing, tile}));
        }
        // Access keys still work from the board.
        QCOMPARE(pressed(mainWindowKey(letter('R', true), focused)), std::string("cmdReset"));
    }

    void scrollBarKeys() {
        const forms::Control* bar = mainControl("ScrollLevel");
        const std::pair<Key, ScrollRequest> keys[] = {
            {Key::Left, ScrollRequest::LineLeft},   {Key::Up, ScrollRequest::LineLeft},
            {Key::Right, ScrollRequest::LineRight}, {Key::Down, ScrollRequest::LineRight},
            {Key::PageUp, ScrollRequest::PageLeft}, {Key::PageDown, ScrollRequest::PageRight},
            {Key::Home, ScrollRequest::First},      {Key::End, ScrollRequest::Last}};
        for (const auto& [k, request] : keys) {
            const WindowKeyAction action = mainWindowKey(key(k), bar);
            QCOMPARE(action.kind, Kind::Scroll);
            QCOMPARE(action.control, bar);
            QCOMPARE(action.scroll, request);
            QCOMPARE(mainWindowKey(key(k, true), bar).kind, Kind::None);
        }
        // The same keys on a button are the button's own.
        QCOMPARE(mainWindowKey(key(Key::Home), mainControl("cmdHint")).kind, Kind::None);
    }

    void aboutBox() {
        const forms::Control* ok = &forms::frmAbout::control("cmdOK");
        const forms::Control* sysInfo = &forms::frmAbout::control("cmdSysInfo");
        QCOMPARE(aboutBoxKey(letter('S', true), ok).control, sysInfo);
        QCOMPARE(aboutBoxKey(letter('S'), ok).kind, Kind::None);
        QCOMPARE(aboutBoxKey(letter('S', false, true), ok).kind, Kind::None);
        QCOMPARE(aboutBoxKey(key(Key::Enter), ok).control, ok);
        QCOMPARE(aboutBoxKey(key(Key::Enter), sysInfo).control, sysInfo);
        QCOMPARE(aboutBoxKey(key(Key::Enter), nullptr).control, ok);
        QCOMPARE(aboutBoxKey(key(Key::Escape), sysInfo).control, ok);
        QCOMPARE(aboutBoxKey(key(Key::F10), ok).kind, Kind::None);
    }

    // Esc closes a box with OK only; a Yes/No box waits for an answer.
    void messageBoxes() {
        using A = MessageAnswer;
        const MessageButtons ok = MessageButtons::Ok, yesNo = MessageButtons::YesNo;
        QCOMPARE(messageBoxKey(ok, key(Key::Escape), A::Ok), std::optional(A::Ok));
        QCOMPARE(messageBoxKey(yesNo, key(Key::Escape), A::Yes), std::nullopt);
        QCOMPARE(messageBoxKey(ok, key(Key::Enter), A::Ok), std::optional(A::Ok));
        QCOMPARE(messageBoxKey(yesNo, key(Key::Enter), A::No), std::optional(A::No));
        QCOMPARE(messageBoxKey(yesNo, key(Key::Space), A::Yes), std::optional(A::Yes));
        QCOMPARE(messageBoxKey(yesNo, letter('Y'), A::No), std::optional(A::Yes));
        QCOMPARE(messageBoxKey(yesNo, letter('N', true), A::Yes), std::optional(A::No));
        QCOMPARE(messageBoxKey(ok, letter('Y'), A::Ok), std::nullopt);
        QCOMPARE(messageBoxKey(yesNo, letter('Y', false, true), A::No), std::nullopt);
        QCOMPARE(messageBoxKey(yesNo, letter('Q'), A::No), std::nullopt);
    }

    // Up and Down go round a menu's items past the separators; Left and
    // Right go round the menu bar; a letter chooses its item.
    void openMenus() {
        using MK = MenuKeyAction::Kind;
        const forms::Menu& file = forms::kMainMenu[0];
        const forms::Menu& view = forms::kMainMenu[1];
        const forms::Menu& help = forms::kMainMenu[2];
        const auto item = [](const forms::Menu& menu, const char* name) {
            for (const forms::MenuItem& i : menu.items)
                if (std::string(i.name) == name) return &i;
            return static_cast<const forms::MenuItem*>(nullptr);
        };
        const auto name = [](const MenuKeyAction& a) {
            return a.item ? std::string(a.item->name) : std::string("-");
        };
        QCOMPARE(name(menuKey(key(Key::Down), &file, nullptr)), std::string("mnuHint"));
        QCOMPARE(name(menuKey(key(Key::Up), &file, nullptr)), std::string("mnuFileExit"));
        QCOMPARE(name(menuKey(key(Key::Down), &file, item(file, "mnuReset"))),
                 std::string("mnuFileExit"));
        QCOMPARE(name(menuKey(key(Key::Up), &file, item(file, "mnuFileExit"))),
                 std::string("mnuReset"));
        QCOMPARE(name(menuKey(key(Key::Down), &file, item(file, "mnuFileExit"))),
                 std::string("mnuHint"));
        QCOMPARE(name(menuKey(key(Key::Up), &help, item(help, "mnuHelpAbout"))),
                 std::string("mnuHelpContents"));
        const MenuKeyAction right = menuKey(key(Key::Right), &help, nullptr);
        QCOMPARE(right.kind, MK::OpenMenu);
        QCOMPARE(right.menu, &file);
        QCOMPARE(name(right), std::string("mnuHint"));
        QCOMPARE(menuKey(key(Key::Left), &file, nullptr).menu, &help);
        QCOMPARE(menuKey(key(Key::Left), &view, nullptr).menu, &file);
        const MenuKeyAction exit = menuKey(letter('X'), &file, nullptr);
        QCOMPARE(exit.kind, MK::Choose);
        QCOMPARE(name(exit), std::string("mnuFileExit"));
        QCOMPARE(name(menuKey(letter('T'), &view, nullptr)), std::string("mnuTileNumbers"));
        QCOMPARE(menuKey(letter('T'), &file, nullptr).kind, MK::NotForTheMenu);
        QCOMPARE(menuKey(letter('X', false, true), &file, nullptr).kind, MK::NotForTheMenu);
        QCOMPARE(menuKey(key(Key::Enter), &file, item(file, "mnuReset")).item,
                 item(file, "mnuReset"));
        QCOMPARE(menuKey(key(Key::Enter), &file, nullptr).kind, MK::Nothing);
        QCOMPARE(menuKey(key(Key::Escape), &view, nullptr).kind, MK::Close);
        QCOMPARE(menuKey(key(Key::Tab), &view, nullptr).kind, MK::CloseAndPass);
        QCOMPARE(menuKey(key(Key::Down), nullptr, nullptr).kind, MK::NotForTheMenu);
    }

    // The names browsers give their keys.
    void keysByName() {
        QCOMPARE(keyPressFromName("ArrowLeft", false, false, false, false).key, Key::Left);
        QCOMPARE(keyPressFromName(" ", false, false, false, true).key, Key::Space);
        QVERIFY(keyPressFromName(" ", false, false, false, true).repeat);
        const KeyPress n = keyPressFromName("n", true, false, false, false);
        QCOMPARE(n.key, Key::Letter);
        QCOMPARE(n.letter, 'N');
        QVERIFY(n.alt);
        for (const char* other : {"\\", "\"", "ß", "Dead", "", "Shift", "ArrowLeftX", "é"})
            QCOMPARE(keyPressFromName(other, true, false, false, false).key, Key::Other);
    }
};

QTEST_GUILESS_MAIN(WindowKeysTest)
#include "test_windowkeys.moc"
