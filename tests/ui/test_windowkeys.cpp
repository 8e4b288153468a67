// SPDX-License-Identifier: GPL-3.0-or-later
// Which key does what in the game's windows, on every front end: access
// keys only with Alt, shortcuts with Ctrl, the board's arrows and play keys,
// the scroll bars' keys, the About box, message boxes and open menus.
#include <QtTest>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "AboutControls.h"
#include "AccessKey.h"
#include "MainWindowControls.h"
#include "Translate.h"
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
// A key that typed `character` in the player's layout, on the key whose
// Latin letter is `latin` (0: none).
KeyPress typed(char32_t character, char latin, bool alt = false, bool ctrl = false) {
    KeyPress press{Key::Letter, latin, alt, ctrl};
    press.character = character;
    return press;
}
// The windows' captions with Cyrillic access keys (access-keys.po).
void useCyrillicCatalogue() {
    std::ifstream file(TENEBRIX_ACCESS_KEYS_MO, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
    i18n::useCatalogue(i18n::Catalogue::fromMo(bytes));
    QVERIFY(!i18n::catalogue().empty());
}

}  // namespace

class WindowKeysTest : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() { i18n::useCatalogue({}); }

    // A caption's key in any script, compared without case: the letter
    // after '&' wherever it stands, "&&" an ampersand, a broken caption no
    // reason to stop.
    void accessKeysOfAnyScript() {
        using forms::accessKeyCharacter;
        using forms::foldedKey;
        QCOMPARE(accessKeyCharacter("&New Puzzle"), U'N');
        QCOMPARE(accessKeyCharacter("E&xit"), U'X');
        QCOMPARE(accessKeyCharacter("&\u0424\u0430\u0439\u043b"), U'\u0424');        // &Файл
        QCOMPARE(accessKeyCharacter("\u0412&\u044b\u0445\u043e\u0434"), U'\u042b');  // В&ыход
        QCOMPARE(accessKeyCharacter("\u30d5\u30a1\u30a4\u30eb(&F)"), U'F');  // ファイル(&F)
        QCOMPARE(accessKeyCharacter("&\u00e9dition"), U'\u00c9');
        QCOMPARE(accessKeyCharacter("Fish && &chips"), U'C');
        QCOMPARE(accessKeyCharacter("Fish && chips"), U'\0');
        QCOMPARE(accessKeyCharacter("How to Play"), U'\0');
        QCOMPARE(accessKeyCharacter("Ends with &"), U'\0');
        QCOMPARE(accessKeyCharacter("& space"), U'\0');
        QCOMPARE(accessKeyCharacter(""), U'\0');
        // A cut or stray UTF-8 byte is no character, before the key or as it.
        QCOMPARE(accessKeyCharacter("\xd0 &Yes"), U'Y');
        QCOMPARE(accessKeyCharacter("\xe3\x83 &Yes"), U'Y');
        QCOMPARE(accessKeyCharacter("&\xd0"), U'\ufffd');
        QCOMPARE(accessKeyCharacter("&\xc0\x80"), U'\ufffd');          // overlong NUL
        QCOMPARE(accessKeyCharacter("&\xe0\x81\x81"), U'\ufffd');      // an overlong A
        QCOMPARE(accessKeyCharacter("&\xed\xa0\x80"), U'\ufffd');      // a surrogate
        QCOMPARE(accessKeyCharacter("&\xf4\x90\x80\x80"), U'\ufffd');  // past U+10FFFF
        QCOMPARE(accessKeyCharacter("&\xf0\x9f\x8e\xb2"), U'\U0001f3b2');

        const std::pair<char32_t, char32_t> smallAndCapital[] = {
            {U'z', U'Z'},           {U'\u00e0', U'\u00c0'}, {U'\u00fe', U'\u00de'},
            {U'\u00ff', U'\u0178'}, {U'\u0105', U'\u0104'}, {U'\u0142', U'\u0141'},  // ą ł
            {U'\u017c', U'\u017b'}, {U'\u015f', U'\u015e'}, {U'\u011f', U'\u011e'},  // ż ş ğ
            {U'\u0131', U'I'},      {U'\u0130', U'I'},      {U'i', U'I'},            // ı İ i
            {U'\u03b1', U'\u0391'}, {U'\u03c9', U'\u03a9'}, {U'\u03c2', U'\u03a3'},  // α ω ς
            {U'\u03ac', U'\u0386'}, {U'\u03af', U'\u038a'}, {U'\u03ce', U'\u038f'},  // ά ί ώ
            {U'\u0430', U'\u0410'}, {U'\u044f', U'\u042f'}, {U'\u0451', U'\u0401'},  // а я ё
            {U'\u0456', U'\u0406'}, {U'\u045e', U'\u040e'}, {U'\u0491', U'\u0490'},  // і ў ґ
            {U'\u04e9', U'\u04e8'}, {U'\u04c2', U'\u04c1'}, {U'\u04cf', U'\u04c0'},  // ө ӂ ӏ
            {U'\uff4e', U'N'},      {U'\uff2e', U'N'},      {U'\uff15', U'5'},  // full-width n N 5
        };
        for (const auto& [small, capital] : smallAndCapital) {
            QCOMPARE(foldedKey(small), capital);
            QCOMPARE(foldedKey(capital), capital);
        }
        // Neither small nor capital: the same character.
        for (char32_t other : {U'5', U'&', U'\u00df', U'\u00f7', U'\u00d7', U'\u0138', U'\u3042'})
            QCOMPARE(foldedKey(other), other);
        // Folding twice changes nothing: a capital is its own fold.
        for (char32_t c = 0; c < 0x600; ++c) QCOMPARE(foldedKey(foldedKey(c)), foldedKey(c));
    }

    // With the captions in Russian, Alt and the Cyrillic letter the player
    // types fires each button, menu and item, in either case; the key's
    // Latin letter fires only what no typed character does.
    void accessKeysInThePlayersScript() {
        useCyrillicCatalogue();
        // ф is on A, в on D, н on Y, з on P, п on G, с on C.
        QCOMPARE(opened(mainWindowKey(typed(U'\u0444', 'A', true), nullptr)),
                 std::string("mnuFile"));
        QCOMPARE(opened(mainWindowKey(typed(U'\u0424', 'A', true), nullptr)),
                 std::string("mnuFile"));
        QCOMPARE(opened(mainWindowKey(typed(U'\u0432', 'D', true), nullptr)),
                 std::string("mnuView"));
        QCOMPARE(opened(mainWindowKey(typed(U'\u0441', 'C', true), nullptr)),
                 std::string("mnuHelp"));
        QCOMPARE(pressed(mainWindowKey(typed(U'\u043f', 'G', true), nullptr)),
                 std::string("cmdHint"));
        QCOMPARE(pressed(mainWindowKey(typed(U'\u043d', 'Y', true), nullptr)),
                 std::string("cmdNewPuzzle"));
        QCOMPARE(pressed(mainWindowKey(typed(U'\u0437', 'P', true), nullptr)),
                 std::string("cmdReset"));
        // Without Alt a letter is no access key; the English letters mark nothing now.
        QCOMPARE(mainWindowKey(typed(U'\u0444', 'A'), nullptr).kind, Kind::None);
        for (char c : std::string("HNRFV"))
            QCOMPARE(mainWindowKey(letter(c, true), nullptr).kind, Kind::None);
        // Ctrl shortcuts keep their Latin letters on a Cyrillic layout.
        QCOMPARE(mainWindowKey(typed(U'\u0442', 'N', false, true), nullptr).command,
                 MenuCommand::NewPuzzle);

        const forms::Menu& file = forms::kMainMenu[0];
        const forms::Menu& view = forms::kMainMenu[1];
        QCOMPARE(menuKey(typed(U'\u044b', 'S'), &file, nullptr).item, &file.items[4]);  // В&ыход
        QCOMPARE(menuKey(typed(U'\u0421', 'C'), &view, nullptr).item, &view.items[0]);
        QCOMPARE(menuKey(letter('X'), &file, nullptr).kind, MenuKeyAction::Kind::NotForTheMenu);

        // The About box's key sits in a word, in small letters.
        QCOMPARE(pressed(aboutBoxKey(typed(U'\u0421', 'C', true), nullptr)),
                 std::string("cmdSysInfo"));
        QCOMPARE(aboutBoxKey(letter('S', true), nullptr).kind, Kind::None);

        // Да and Нет; Y, the key that types н, answers Нет.
        using A = MessageAnswer;
        const MessageButtons yesNo = MessageButtons::YesNo;
        QCOMPARE(messageBoxKey(yesNo, typed(U'\u0434', 'L'), A::No), std::optional(A::Yes));
        QCOMPARE(messageBoxKey(yesNo, typed(U'\u043d', 'Y'), A::Yes), std::optional(A::No));
        QCOMPARE(messageBoxKey(yesNo, letter('Y'), A::No), std::optional(A::Yes));
        QCOMPARE(messageBoxKey(yesNo, typed(U'\u0444', 'A'), A::No), std::nullopt);
    }

    // In English, a key that types a Cyrillic letter still fires the
    // caption of its Latin letter; a typed letter beats the key's own.
    void latinLetterOfTheKey() {
        QCOMPARE(pressed(mainWindowKey(typed(U'\u0442', 'N', true), nullptr)),
                 std::string("cmdNewPuzzle"));
        QCOMPARE(pressed(mainWindowKey(typed(U'n', 'R', true), nullptr)),
                 std::string("cmdNewPuzzle"));
        QCOMPARE(pressed(mainWindowKey(typed(U'r', 0, true), nullptr)), std::string("cmdReset"));
        QCOMPARE(mainWindowKey(typed(U'\u0442', 0, true), nullptr).kind, Kind::None);
        QCOMPARE(mainWindowKey(typed(U'h', 0, false, true), nullptr).command, MenuCommand::Hint);
        QCOMPARE(messageBoxKey(MessageButtons::YesNo, typed(U'n', 0), MessageAnswer::Yes),
                 std::optional(MessageAnswer::No));
    }

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
        QCOMPARE(n.character, U'n');
        for (const char* other : {"\\", "\"", "Dead", "", "Shift", "ArrowLeftX", "ab", "\xd0",
                                  "\xc2\xad", "\xc2\x85", "\xd0\xa4x"})
            QCOMPARE(keyPressFromName(other, true, false, false, false).key, Key::Other);
        // A letter of any script, with the Latin letter of its key if told.
        const KeyPress ef = keyPressFromName("\u0444", "KeyA", true, false, false, false);
        QCOMPARE(ef.key, Key::Letter);
        QCOMPARE(ef.character, U'\u0444');
        QCOMPARE(ef.letter, 'A');
        QCOMPARE(keyPressFromName("\u00e9", "Digit2", false, false, false, false).letter, '2');
        QCOMPARE(keyPressFromName("\u00e9", "Backquote", false, false, false, false).letter, '\0');
        QCOMPARE(keyPressFromName("\u00df", false, false, false, false).character, U'\u00df');
        QCOMPARE(keyPressFromName("\u00df", false, false, false, false).letter, '\0');
        // A Latin letter is its own, wherever the layout puts it (AZERTY's a on Q).
        QCOMPARE(keyPressFromName("a", "KeyQ", false, false, false, false).letter, 'A');
    }
};

QTEST_GUILESS_MAIN(WindowKeysTest)
#include "test_windowkeys.moc"
