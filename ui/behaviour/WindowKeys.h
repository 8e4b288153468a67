// SPDX-License-Identifier: GPL-3.0-or-later
// Which key does what in the game's windows. Access keys (the letter after
// '&' in the caption the player sees, in any script) fire only with Alt,
// never as a plain letter, and the window's own buttons come before its
// menus (Alt+H is Hint; F10 reaches the Help menu). Ctrl and a letter run the menu item of that
// shortcut. On the board the arrows move and Space or Enter plays (BoardKeys.h); a scroll bar steps
// with the arrows, the page keys, Home and End.
#pragma once

#include <optional>

#include "BoardKeys.h"
#include "Control.h"
#include "Keys.h"
#include "MainMenuForm.h"
#include "Message.h"
#include "ScrollStepping.h"

namespace tenebrix::ui {

struct WindowKeyAction {
    enum class Kind {
        None,             // not the window's key: the control in focus has it
        PressButton,      // `control` takes the focus and is pressed
        OpenMenu,         // `menu` drops down, its first item highlighted
        ActivateMenuBar,  // the menu bar takes the keyboard, its first title highlighted
        RunCommand,       // `command` runs as if its menu item were chosen
        Board,            // `board` on the board
        Scroll,           // `scroll` on the scroll bar `control`
    };
    Kind kind = Kind::None;
    const forms::Control* control = nullptr;
    const forms::Menu* menu = nullptr;
    forms::MenuCommand command = forms::MenuCommand::None;
    BoardKeyAction board{};
    ScrollRequest scroll = ScrollRequest::LineLeft;
};

// A key in the game window while `focused` (nullptr: none of its controls)
// has the focus.
WindowKeyAction mainWindowKey(const KeyPress& key, const forms::Control* focused);

// A key in the About box: Alt and an access key, Enter for the button in
// focus or else the default one, Esc for the cancel button.
WindowKeyAction aboutBoxKey(const KeyPress& key, const forms::Control* focused);

// A key in a message box: Enter and Space answer with the button in focus;
// Esc closes a box with OK only (Yes and No must be chosen); the first
// letter of Yes or No in the player's language answers a Yes/No box, and so
// do English's Y and N. Nothing for any other key.
std::optional<MessageAnswer> messageBoxKey(MessageButtons buttons, const KeyPress& key,
                                           MessageAnswer focused);
// The letter that answers a Yes/No box with `answer`, folded as access keys
// are: the access key its button's caption marks, else its first letter or
// digit; 0 when it has none.
char32_t answerKey(MessageAnswer answer);

// The keys of an open drop-down menu.
struct MenuKeyAction {
    enum class Kind {
        NotForTheMenu,  // no menu is open
        Close,          // the menu closes, the focus goes back where it was
        CloseAndPass,   // the menu closes and the key goes on (Tab)
        FocusItem,      // `item` of the open menu is highlighted
        OpenMenu,       // `menu` drops down instead, its first item highlighted
        Choose,         // `item` is chosen: the menu closes and its command runs
        Nothing,        // the menu's key, but it does nothing
    };
    Kind kind = Kind::NotForTheMenu;
    const forms::Menu* menu = nullptr;
    const forms::MenuItem* item = nullptr;
};

// A key while `open` is dropped down and `focused` (nullptr: none) is its
// highlighted item. Up and Down go round the menu's items, Left and Right
// round the menu bar; a plain letter chooses the item of that access key.
MenuKeyAction menuKey(const KeyPress& key, const forms::Menu* open, const forms::MenuItem* focused);

}  // namespace tenebrix::ui
