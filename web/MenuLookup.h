// SPDX-License-Identifier: GPL-3.0-or-later
// The main menu's items found by what they do.
#pragma once

#include "MainMenuForm.h"

namespace tenebrix::web {

// The control name of the menu item that gives `command`; nullptr for none.
constexpr const char* menuItemName(forms::MenuCommand command) {
    for (const forms::Menu& menu : forms::kMainMenu) {
        for (const forms::MenuItem& item : menu.items) {
            if (item.command == command && !item.isSeparator()) return item.name;
        }
    }
    return nullptr;
}

}  // namespace tenebrix::web
