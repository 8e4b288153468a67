// SPDX-License-Identifier: GPL-3.0-or-later
// The windows' keys.
#include "WindowKeys.h"

#include <span>

#include "AboutControls.h"
#include "Captions.h"
#include "MainWindowControls.h"

namespace tenebrix::ui {

namespace {

using Kind = WindowKeyAction::Kind;
using forms::Control;
using forms::ControlKind;

// A caption's access key as the player sees it: from the caption in the
// player's language, since a translation chooses its own letters.
char32_t shownAccessKey(const std::string& translatedCaption) {
    return forms::accessKeyCharacter(translatedCaption);
}

// The first thing `find` finds for the character the key typed, else for
// the key's Latin letter: a caption in the player's script wins over one
// whose letter only happens to sit on the same key.
template <typename Found, typename Find>
Found byAccessKey(const KeyPress& key, Find find) {
    const KeyPress::AccessKeys keys = key.accessKeys();
    for (const char32_t wanted : {keys.typed, keys.latin}) {
        if (wanted == 0) continue;
        if (Found found = find(wanted)) return found;
    }
    return Found{};
}

template <typename Table>
const Control* buttonWithAccessKey(const Table& table, char32_t wanted) {
    for (const Control& control : table) {
        if (control.kind == ControlKind::Button && shownAccessKey(captionOf(control)) == wanted) {
            return &control;
        }
    }
    return nullptr;
}

const forms::Menu* menuWithAccessKey(char32_t wanted) {
    for (const forms::Menu& menu : forms::kMainMenu) {
        if (shownAccessKey(captionOf(menu)) == wanted) return &menu;
    }
    return nullptr;
}

// Ctrl shortcuts go by the key's Latin letter: the menu shows "Ctrl+N" in
// every language.
forms::MenuCommand commandWithShortcut(const KeyPress& key) {
    char letter = key.letter;
    if (letter == 0 && key.character != 0 && forms::foldedKey(key.character) < 0x80)
        letter = static_cast<char>(forms::foldedKey(key.character));
    if (letter == 0) return forms::MenuCommand::None;
    for (const forms::Menu& menu : forms::kMainMenu) {
        for (const forms::MenuItem& item : menu.items) {
            if (item.ctrlShortcut != 0 && item.ctrlShortcut == letter) return item.command;
        }
    }
    return forms::MenuCommand::None;
}

// Alt and a letter: the window's own button first, then a menu title.
struct AltTarget {
    const Control* button = nullptr;
    const forms::Menu* menu = nullptr;
    explicit operator bool() const { return button || menu; }
};

WindowKeyAction altLetter(const KeyPress& key) {
    const AltTarget target = byAccessKey<AltTarget>(key, [](char32_t wanted) {
        if (const Control* button = buttonWithAccessKey(forms::frmMain::kControls, wanted))
            return AltTarget{button, nullptr};
        return AltTarget{nullptr, menuWithAccessKey(wanted)};
    });
    if (target.button) return {.kind = Kind::PressButton, .control = target.button};
    if (target.menu) return {.kind = Kind::OpenMenu, .menu = target.menu};
    return {};
}

WindowKeyAction focusedControlKey(const KeyPress& key, const Control& focused) {
    if (focused.boardTile) {
        const BoardKeyAction board = boardKey(key, focused.index);
        if (board.kind != BoardKeyAction::Kind::NotForTheBoard) {
            return {.kind = Kind::Board, .control = &focused, .board = board};
        }
    }
    if (focused.kind == ControlKind::ScrollBar) {
        if (const auto request = scrollRequestFor(key)) {
            return {.kind = Kind::Scroll, .control = &focused, .scroll = *request};
        }
    }
    return {};
}

}  // namespace

WindowKeyAction mainWindowKey(const KeyPress& key, const Control* focused) {
    if (focused) {
        if (WindowKeyAction action = focusedControlKey(key, *focused); action.kind != Kind::None) {
            return action;
        }
    }
    if (key.key == Key::Letter && key.ctrl && !key.alt && !key.shift) {
        const forms::MenuCommand command = commandWithShortcut(key);
        if (command != forms::MenuCommand::None)
            return {.kind = Kind::RunCommand, .command = command};
        return {};
    }
    if (key.key == Key::Letter && key.alt && !key.ctrl) return altLetter(key);
    if (key.key == Key::F10 && key.plain()) return {.kind = Kind::ActivateMenuBar};
    return {};
}

WindowKeyAction aboutBoxKey(const KeyPress& key, const Control* focused) {
    const auto& table = forms::frmAbout::kControls;
    if (key.key == Key::Letter && key.alt && !key.ctrl) {
        if (const Control* button = byAccessKey<const Control*>(
                key, [&](char32_t wanted) { return buttonWithAccessKey(table, wanted); })) {
            return {.kind = Kind::PressButton, .control = button};
        }
        return {};
    }
    if (key.alt || key.ctrl) return {};
    if (key.key == Key::Enter) {
        if (focused && focused->kind == ControlKind::Button) {
            return {.kind = Kind::PressButton, .control = focused};
        }
        for (const Control& control : table) {
            if (control.isDefault) return {.kind = Kind::PressButton, .control = &control};
        }
    }
    if (key.key == Key::Escape) {
        for (const Control& control : table) {
            if (control.isCancel) return {.kind = Kind::PressButton, .control = &control};
        }
    }
    return {};
}

char32_t answerKey(MessageAnswer answer) {
    const std::string caption = answerCaption(answer);
    if (const char32_t marked = shownAccessKey(caption)) return marked;
    // The first letter, past any bracket or mark before it.
    for (std::size_t at = 0; at < caption.size();) {
        const char32_t c = forms::nextCodePoint(caption, at);
        if (c >= 0x80 ? c != 0xFFFD : keyLetter(static_cast<char>(c)) != 0)
            return forms::foldedKey(c);
    }
    return 0;
}

std::optional<MessageAnswer> messageBoxKey(MessageButtons buttons, const KeyPress& key,
                                           MessageAnswer focused) {
    if (key.ctrl) return std::nullopt;
    const bool yesNo = buttons == MessageButtons::YesNo;
    if (!key.alt && (key.key == Key::Enter || key.key == Key::Space)) return focused;
    if (!key.alt && key.key == Key::Escape && !yesNo) return MessageAnswer::Ok;
    if (!yesNo) return std::nullopt;
    // The button's first letter in the player's language ("Ja", "Nein"),
    // then English's Y and N, which every player may know.
    const auto answerWithKey = [](char32_t wanted) -> std::optional<MessageAnswer> {
        for (const MessageAnswer answer : {MessageAnswer::Yes, MessageAnswer::No}) {
            if (answerKey(answer) == wanted) return answer;
        }
        return std::nullopt;
    };
    if (const auto answer = byAccessKey<std::optional<MessageAnswer>>(key, answerWithKey))
        return answer;
    if (key.isLetter('Y')) return MessageAnswer::Yes;
    if (key.isLetter('N')) return MessageAnswer::No;
    return std::nullopt;
}

namespace {

using MenuKind = MenuKeyAction::Kind;

// The items that can be highlighted: every item but the separator bars.
const forms::MenuItem* nextItem(const forms::Menu& menu, const forms::MenuItem* from, int step) {
    const std::span<const forms::MenuItem> items = menu.items;
    const int count = static_cast<int>(items.size());
    int at = from ? static_cast<int>(from - items.data()) : (step > 0 ? -1 : count);
    for (int tried = 0; tried < count; ++tried) {
        at = (at + step + count) % count;
        if (!items[static_cast<std::size_t>(at)].isSeparator())
            return &items[static_cast<std::size_t>(at)];
    }
    return nullptr;
}

const forms::Menu* neighbourMenu(const forms::Menu* open, int step) {
    const int count = static_cast<int>(forms::kMainMenu.size());
    const int at = static_cast<int>(open - forms::kMainMenu.data());
    return &forms::kMainMenu[static_cast<std::size_t>((at + step + count) % count)];
}

const forms::MenuItem* itemWithAccessKey(const forms::Menu& menu, const KeyPress& key) {
    return byAccessKey<const forms::MenuItem*>(key, [&](char32_t wanted) {
        for (const forms::MenuItem& item : menu.items) {
            if (!item.isSeparator() && shownAccessKey(captionOf(item)) == wanted) return &item;
        }
        return static_cast<const forms::MenuItem*>(nullptr);
    });
}

}  // namespace

MenuKeyAction menuKey(const KeyPress& key, const forms::Menu* open,
                      const forms::MenuItem* focused) {
    if (!open) return {};
    switch (key.key) {
        case Key::Down:
            return {MenuKind::FocusItem, open, nextItem(*open, focused, 1)};
        case Key::Up:
            return {MenuKind::FocusItem, open, nextItem(*open, focused, -1)};
        case Key::Right:
        case Key::Left: {
            const forms::Menu* menu = neighbourMenu(open, key.key == Key::Right ? 1 : -1);
            return {MenuKind::OpenMenu, menu, nextItem(*menu, nullptr, 1)};
        }
        case Key::Escape:
            return {MenuKind::Close, open, nullptr};
        case Key::Tab:
            return {MenuKind::CloseAndPass, open, nullptr};
        case Key::Enter:
        case Key::Space:
            if (focused) return {MenuKind::Choose, open, focused};
            return {MenuKind::Nothing, open, nullptr};
        case Key::Letter:
            if (!key.ctrl) {
                if (const forms::MenuItem* item = itemWithAccessKey(*open, key)) {
                    return {MenuKind::Choose, open, item};
                }
            }
            return {MenuKind::NotForTheMenu, open, nullptr};
        default:
            return {MenuKind::NotForTheMenu, open, nullptr};
    }
}

}  // namespace tenebrix::ui
