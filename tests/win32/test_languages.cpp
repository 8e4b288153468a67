// SPDX-License-Identifier: GPL-3.0-or-later
// The game in the player's language on Windows: the catalogues the program
// carries, the choice of one, every text of the windows from it, access
// keys in Latin and Cyrillic letters, and the message boxes' buttons. The
// expected texts are written out from the translators' catalogues.
#include <doctest/doctest.h>

#include <filesystem>
#include <fstream>

#include "Catalogue.h"
#include "MainWindowFixture.h"
#include "Modal.h"
#include "PlayerLanguage.h"
#include "SystemServices.h"
#include "Translate.h"
#include "WideText.h"
#include "frmAbout.h"

// The common controls' declarations need the system's first.
#include <commctrl.h>

using namespace tenebrix;
using namespace tenebrix::testing;
using forms::MenuCommand;

namespace {

HMODULE program() {
    return GetModuleHandleW(nullptr);
}

// Speaks `language` from the catalogue the tests carry, as the program does
// from its own, until it goes; then English again.
struct Speaking {
    explicit Speaking(const char* language) {
        const auto catalogue =
            i18n::Catalogue::fromMo(win32::carriedCatalogue(program(), language));
        REQUIRE_FALSE(catalogue.empty());
        i18n::useCatalogue(catalogue);
    }
    ~Speaking() { i18n::useCatalogue({}); }
    Speaking(const Speaking&) = delete;
    Speaking& operator=(const Speaking&) = delete;
};

// A main window made while `language` is spoken.
struct WindowIn : Speaking, MainWindowFixture {
    explicit WindowIn(const char* language) : Speaking(language), MainWindowFixture({7, 19}) {}
};

struct LanguageVariable {
    explicit LanguageVariable(const wchar_t* value) { SetEnvironmentVariableW(L"LANGUAGE", value); }
    ~LanguageVariable() {
        SetEnvironmentVariableW(L"LANGUAGE", nullptr);
        i18n::useCatalogue({});
    }
};

std::wstring menuText(HMENU menu, int position) {
    wchar_t text[128] = L"";
    GetMenuStringW(menu, static_cast<UINT>(position), text, 128, MF_BYPOSITION);
    return text;
}

// The menu dropped from the menu bar, as a menu's own loop shows it.
HMENU openMenu() {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetCurrentThreadId(), &info) || !(info.flags & GUI_INMENUMODE))
        return nullptr;
    HMENU found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM result) {
            wchar_t name[16] = L"";
            GetClassNameW(window, name, 16);
            if (!IsWindowVisible(window) || std::wstring(name) != L"#32768") return TRUE;
            *reinterpret_cast<HMENU*>(result) =
                reinterpret_cast<HMENU>(SendMessageW(window, MN_GETHMENU, 0, 0));
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// Alt and the key at `key` that types `character` in the player's layout,
// as Windows sends them: the key, then the character it types.
void pressAltCharacter(win32::frmMain& main, UINT key, wchar_t character) {
    BYTE keys[256] = {};
    keys[VK_MENU] = 0x80;
    SetKeyboardState(keys);
    const LPARAM altBit = 1 << 29;
    HWND target = GetFocus();
    PostMessageW(target, WM_SYSKEYDOWN, key, 1 | altBit);
    PostMessageW(target, WM_SYSCHAR, character, 1 | altBit);
    PostMessageW(target, WM_SYSKEYUP, key, static_cast<LPARAM>(0xC0000001u) | altBit);
    pumpMessages(&main);
    BYTE none[256] = {};
    SetKeyboardState(none);
}

}  // namespace

TEST_CASE("the program carries every language's catalogue and follows LANGUAGE or Windows") {
    const std::vector<std::string> languages = win32::carriedLanguages(program());
    for (const char* wanted : {"de", "ja", "ru", "zh_CN", "pt_BR", "en@pseudo"}) {
        CAPTURE(std::string(wanted));
        CHECK(std::find(languages.begin(), languages.end(), wanted) != languages.end());
    }
    CHECK(languages.size() >= 13);
    for (const std::string& language : languages) {
        CAPTURE(language);
        const auto catalogue =
            i18n::Catalogue::fromMo(win32::carriedCatalogue(program(), language));
        CHECK(catalogue.valid());
        CHECK(catalogue.size() > 50);
        CHECK(catalogue.language() == language);
    }
    CHECK(win32::carriedCatalogue(program(), "xx").empty());
    CHECK(win32::carriedLanguages(GetModuleHandleW(L"kernel32.dll")).empty());

    SUBCASE("LANGUAGE's list, else the display languages") {
        const std::vector<std::string> display{"fr-FR", "en-US"};
        auto environment = [](std::optional<std::string> value) {
            return [value](const char* name) {
                return std::string(name) == "LANGUAGE" ? value : std::nullopt;
            };
        };
        CHECK(win32::preferredLanguages(environment("de:ru::ja"), display) ==
              std::vector<std::string>{"de", "ru", "ja"});
        CHECK(win32::preferredLanguages(environment(std::nullopt), display) == display);
        CHECK(win32::preferredLanguages(environment(""), display) == display);
        for (const std::string& language : win32::systemDisplayLanguages()) {
            CAPTURE(language);
            CHECK(language.size() >= 2);
            CHECK(language.find('\0') == std::string::npos);
        }
    }
    SUBCASE("the catalogue chosen is the one every text comes from") {
        {
            LanguageVariable asked(L"xx:ru_RU.UTF-8:de");
            CHECK(win32::usePlayerLanguage(program()) == "ru");
            CHECK(i18n::tr("Status Bar") == "Строка состояния");
        }
        {
            LanguageVariable asked(L"en:de");  // English asked for first
            CHECK(win32::usePlayerLanguage(program()) == std::nullopt);
            CHECK(i18n::catalogue().empty());
        }
        {
            LanguageVariable asked(L"xx");  // nothing for it: English
            CHECK(win32::usePlayerLanguage(program()) == std::nullopt);
            CHECK(i18n::tr("Status Bar") == "Status Bar");
        }
    }
    SUBCASE("the help page in the language chosen, when it lies beside the program") {
        const auto folder = std::filesystem::temp_directory_path() / "tenebrix-help-test";
        std::filesystem::create_directories(folder / "de");
        std::ofstream(folder / "de" / "Tenebrix.hlp") << "<html></html>";
        std::filesystem::create_directories(folder / "fr" / "Tenebrix.hlp");  // not a file
        const std::wstring base = folder.wstring() + L"\\";
        CHECK(win32::helpFileFor(base, "de", L"Tenebrix.hlp") == base + L"de\\Tenebrix.hlp");
        CHECK(win32::helpFileFor(base, "fr", L"Tenebrix.hlp") == base + L"Tenebrix.hlp");
        CHECK(win32::helpFileFor(base, "ja", L"Tenebrix.hlp") == base + L"Tenebrix.hlp");
        CHECK(win32::helpFileFor(base, std::nullopt, L"Tenebrix.hlp") == base + L"Tenebrix.hlp");
        std::filesystem::remove_all(folder);
    }
}

TEST_CASE("in German the names, shortcuts and boxes come from the catalogue") {
    WindowIn f("de");
    // Captions and menus are the pseudo-language's (below); here what a
    // screen reader hears, a shortcut's modifier, the status bar.
    CHECK(f.text("ScrollLevel") == L"Stufe");
    CHECK(menuText(GetSubMenu(GetMenu(f.window()), 0), 0) == L"&Tipp\tStrg+H");
    wchar_t status[64] = L"";
    SendMessageW(f.control("sbStatusBar"), SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(status));
    CHECK(std::wstring(status) == L"Statusleiste");

    // The tiles as a screen reader hears them, before and after a move.
    for (int n = 1; n <= 25; ++n) {
        const std::wstring number = std::to_wstring(n);
        const std::wstring name = win32::windowText(f.tile(n));
        CAPTURE(win32::narrow(name));
        CHECK(
            (name == L"Feld " + number + L", leuchtet" || name == L"Feld " + number + L", dunkel"));
    }
    const std::wstring before = win32::windowText(f.tile(13));
    f.clickTile(13);
    CHECK(win32::windowText(f.tile(13)) != before);
    CHECK(win32::windowText(f.tile(13)).starts_with(L"Feld 13, "));

    // The About box: its title and its buttons.
    std::wstring title, systemInfo;
    duringModal([&] {
        HWND box = win32::frmAbout::openWindow();
        title = win32::windowText(box);
        systemInfo = win32::windowText(
            GetDlgItem(box, win32::kAboutIds.id(forms::frmAbout::control("cmdSysInfo"))));
        win32::frmAbout::CloseOpen();
    });
    f.menu(MenuCommand::HelpAbout);
    cancelDuringModal();
    CHECK(title == L"\u00DCber Tenebrix");
    CHECK(systemInfo == L"&Systeminfo...");
}

TEST_CASE("in the pseudo-language no caption of a button or a menu bypasses the catalogue") {
    WindowIn f("en@pseudo");
    for (const forms::Control& row : forms::frmMain::kControls) {
        if (row.kind != forms::ControlKind::Button && row.kind != forms::ControlKind::Frame)
            continue;
        if (row.caption[0] == '\0') continue;
        CAPTURE(std::string(row.name));
        CHECK(win32::narrow(win32::windowText(f.main->control(row))) != row.caption);
    }
    HMENU bar = GetMenu(f.window());
    for (std::size_t m = 0; m < forms::kMainMenu.size(); ++m) {
        const forms::Menu& menu = forms::kMainMenu[m];
        CHECK(win32::narrow(menuText(bar, static_cast<int>(m))) != menu.caption);
        HMENU popup = GetSubMenu(bar, static_cast<int>(m));
        for (std::size_t i = 0; i < menu.items.size(); ++i) {
            if (menu.items[i].isSeparator()) continue;
            const std::string shown = win32::narrow(menuText(popup, static_cast<int>(i)));
            CAPTURE(shown);
            CHECK(shown.substr(0, shown.find('\t')) != menu.items[i].caption);
        }
    }
}

namespace {

// Whether a key opened the About box, which is then closed.
bool aboutSeen = false;

void closeAboutBox() {
    aboutSeen = aboutSeen || win32::frmAbout::openWindow() != nullptr;
    win32::frmAbout::CloseOpen();
}

enum class Effect { Hint, NewPuzzle, Reset, Exit, StatusBar, TileNumbers, Help, About };

// What each command leaves behind, from a board one move away from its start.
bool showsEffect(MainWindowFixture& f, Effect effect, PuzzleValue start) {
    const Game& game = f.main->game();
    switch (effect) {
        case Effect::Hint:
            return f.messages.shown.size() == 1 && game.hintUsed();
        case Effect::NewPuzzle:
            return game.startValue() != start && game.moveCount() == 0;
        case Effect::Reset:
            return game.startValue() == start && game.currentValue() == start;
        case Effect::Exit:
            return f.closed;
        case Effect::StatusBar:
            return !IsWindowVisible(f.control("sbStatusBar"));
        case Effect::TileNumbers:
            return f.menuChecked(MenuCommand::ViewTileNumbers);
        case Effect::Help:
            return f.help.opened.size() == 1;
        case Effect::About:
            return aboutSeen;
    }
    return false;
}

struct KeyCase {
    const char* name;
    std::function<void(MainWindowFixture&)> give;
    Effect effect;
};

void runKeyCases(const char* language, const std::vector<KeyCase>& cases) {
    for (const KeyCase& c : cases) {
        CAPTURE(std::string(language) + ": " + c.name);
        WindowIn f(language);
        f.random.scriptPuzzle({1, 25});
        f.clickTile(13);
        SetFocus(f.tile(13));
        const PuzzleValue start = f.main->game().startValue();
        aboutSeen = false;
        duringModal(closeAboutBox);  // should the key open it
        c.give(f);
        cancelDuringModal();
        CHECK(showsEffect(f, c.effect, start));
        EndMenu();
        pumpMessages(f.main.get());
    }
}

// Alt and `menuKey` drop a menu; `itemKey`, typed in it, chooses an item.
// True when the menu dropped is the menu bar's `menu`th.
std::function<void(MainWindowFixture&)> menuKeys(UINT menuKey, wchar_t menuCharacter, int menu,
                                                 wchar_t itemCharacter, bool* rightMenu) {
    return [=](MainWindowFixture& f) {
        duringModal([=, &f] {
            *rightMenu = openMenu() == GetSubMenu(GetMenu(f.window()), menu);
            // The menu's own loop takes the character typed.
            PostMessageW(f.window(), WM_CHAR, itemCharacter, 1);
            duringModal(closeAboutBox);  // should the item open it
        });
        pressAltCharacter(*f.main, menuKey, menuCharacter);
        pumpMessages(f.main.get());
    };
}

}  // namespace

TEST_CASE("Alt and a German or Russian access key runs each button and menu item") {
    auto altKey = [](UINT key, wchar_t character) {
        return [=](MainWindowFixture& f) { pressAltCharacter(*f.main, key, character); };
    };
    SUBCASE("German buttons, Latin keys") {
        runKeyCases("de", {
                              {"Alt+T: Tipp", altKey('T', L't'), Effect::Hint},
                              {"Alt+N: Neues R\xC3\xA4tsel", altKey('N', L'n'), Effect::NewPuzzle},
                              {"Alt+V: Von vorn", altKey('V', L'v'), Effect::Reset},
                          });
    }
    SUBCASE("Russian buttons: the Cyrillic letter, not the Latin one of its key") {
        runKeyCases("ru", {
                              // П lies on G, Н on Y, З on P.
                              {"Alt+\xD0\x9F", altKey('G', L'\u043F'), Effect::Hint},
                              {"Alt+\xD0\x9D", altKey('Y', L'\u043D'), Effect::NewPuzzle},
                              {"Alt+\xD0\x97", altKey('P', L'\u0437'), Effect::Reset},
                          });
    }
    SUBCASE("German menus and their items") {
        struct MenuCase {
            UINT key;
            wchar_t character;
            int menu;
            wchar_t item;
            Effect effect;
        };
        for (const MenuCase& m : {
                 MenuCase{'D', L'd', 0, L't', Effect::Hint},
                 MenuCase{'D', L'd', 0, L'b', Effect::Exit},
                 MenuCase{'A', L'a', 1, L'f', Effect::TileNumbers},
                 MenuCase{'H', L'h', 2, L'b', Effect::About},
             }) {
            CAPTURE(m.menu);
            CAPTURE(static_cast<int>(m.effect));
            bool rightMenu = false;
            runKeyCases("de",
                        {{"a menu item", menuKeys(m.key, m.character, m.menu, m.item, &rightMenu),
                          m.effect}});
            CHECK(rightMenu);
        }
    }
    SUBCASE("a Russian menu: Alt+\xD0\xA4 drops the File menu, whose key is the Latin A") {
        bool rightMenu = false;
        runKeyCases("ru", {{"Alt+\xD0\xA4, then \xD0\x9F",
                            menuKeys('A', L'\u0444', 0, L'\u043F', &rightMenu), Effect::Hint}});
        CHECK(rightMenu);
    }
}

TEST_CASE("the system's message boxes answer in the game's language") {
    struct Case {
        const char* language;
        MessageButtons buttons;
        std::wstring yes, no, ok;
    };
    for (const Case& c : {
             Case{"de", MessageButtons::YesNo, L"&Ja", L"&Nein", L""},
             Case{"ru", MessageButtons::YesNo, L"&\u0414\u0430", L"&\u041D\u0435\u0442", L""},
             Case{"ja", MessageButtons::YesNo, L"\u306F\u3044(&Y)", L"\u3044\u3044\u3048(&N)", L""},
             Case{"de", MessageButtons::Ok, L"", L"", L"OK"},
         }) {
        CAPTURE(std::string(c.language));
        WindowIn f(c.language);
        std::wstring yes, no, ok;
        duringModal([&] {
            HWND box = ownedWindow(f.window(), L"#32770");
            yes = win32::windowText(GetDlgItem(box, IDYES));
            no = win32::windowText(GetDlgItem(box, IDNO));
            ok = win32::windowText(GetDlgItem(box, IDOK));
            PostMessageW(box, WM_COMMAND, MAKEWPARAM(ok.empty() ? IDNO : IDOK, BN_CLICKED), 0);
        });
        win32::SystemMessageBoxes boxes;
        boxes.show(f.window(), {"Text", "Tenebrix", c.buttons, MessageIcon::None});
        cancelDuringModal();
        CHECK(yes == c.yes);
        CHECK(no == c.no);
        CHECK(ok == c.ok);
    }
}
