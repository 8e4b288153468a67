// SPDX-License-Identifier: GPL-3.0-or-later
// The windows' keys.
#include "WindowKeys.h"

#include <span>

#include "AboutControls.h"
#include "MainWindowControls.h"

namespace tenebrix::ui {

namespace {

using Kind = WindowKeyAction::Kind;
using forms::Control;
using forms::ControlKind;

template <typename Table>
const Control* buttonWithAccessKey(const Table& table, char letter) {
    for (const Control& control : table) {
        if (control.kind == ControlKind::Button && forms::accessKey(control.caption) == letter) {
            return &control;
        }
    }
    return nullptr;
}

const forms::Menu* menuWithAccessKey(char letter) {
    for (const forms::Menu& menu : forms::kMainMenu) {
        if (forms::accessKey(menu.caption) == letter) return &menu;
    }
    return nullptr;
}

forms::MenuCommand commandWithShortcut(char letter) {
    for (const forms::Menu& menu : forms::kMainMenu) {
        for (const forms::MenuItem& item : menu.items) {
            if (item.ctrlShortcut != 0 && item.ctrlShortcut == letter) return item.command;
        }
    }
    return forms::MenuCommand::None;
}

// Alt and a letter: the window's own button first, then a menu title.
WindowKeyAction altLetter(char letter) {
    if (const Control* button = buttonWithAccessKey(forms::frmMain::kControls, letter)) {
        return {.kind = Kind::PressButton, .control = button};
    }
    if (const forms::Menu* menu = menuWithAccessKey(letter)) {
        return {.kind = Kind::OpenMenu, .menu = menu};
    }
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
        const forms::MenuCommand command = commandWithShortcut(key.letter);
        if (command != forms::MenuCommand::None)
            return {.kind = Kind::RunCommand, .command = command};
        return {};
    }
    if (key.key == Key::Letter && key.alt && !key.ctrl) return altLetter(key.letter);
    if (key.key == Key::F10 && key.plain()) return {.kind = Kind::ActivateMenuBar};
    return {};
}

WindowKeyAction aboutBoxKey(const KeyPress& key, const Control* focused) {
    const auto& table = forms::frmAbout::kControls;
    if (key.key == Key::Letter && key.alt && !key.ctrl) {
        if (const Control* button = buttonWithAccessKey(table, key.letter)) {
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

std::optional<MessageAnswer> messageBoxKey(MessageButtons buttons, const KeyPress& key,
                                           MessageAnswer focused) {
    if (key.ctrl) return std::nullopt;
    const bool yesNo = buttons == MessageButtons::YesNo;
    if (!key.alt && (key.key == Key::Enter || key.key == Key::Space)) return focused;
    if (!key.alt && key.key == Key::Escape && !yesNo) return MessageAnswer::Ok;
    if (yesNo && key.isLetter('Y')) return MessageAnswer::Yes;
    if (yesNo && key.isLetter('N')) return MessageAnswer::No;
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

const forms::MenuItem* itemWithAccessKey(const forms::Menu& menu, char letter) {
    for (const forms::MenuItem& item : menu.items) {
        if (!item.isSeparator() && forms::accessKey(item.caption) == letter) return &item;
    }
    return nullptr;
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
                if (const forms::MenuItem* item = itemWithAccessKey(*open, key.letter)) {
                    return {MenuKind::Choose, open, item};
                }
            }
            return {MenuKind::NotForTheMenu, open, nullptr};
        default:
            return {MenuKind::NotForTheMenu, open, nullptr};
    }
}

}  // namespace tenebrix::ui
