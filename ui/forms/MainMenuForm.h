// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's menu bar: File, View and Help, their items in order,
// access keys ('&' before the letter), shortcuts and check marks.
#pragma once

#include <array>
#include <span>

#include "AccessKey.h"
#include "Translate.h"

namespace tenebrix::forms {

// What a menu item does when chosen.
enum class MenuCommand {
    None,  // a separator bar
    Hint,
    NewPuzzle,
    ResetPuzzle,
    Exit,
    ViewStatusBar,
    ViewTileNumbers,
    HelpContents,
    HelpAbout,
};

struct MenuItem {
    const char* name;
    const char* caption;  // empty for a separator bar
    MenuCommand command;
    char ctrlShortcut = 0;  // 'H' for Ctrl+H; 0 for none
    bool checkable = false;
    bool checkedAtStart = false;

    constexpr bool isSeparator() const { return command == MenuCommand::None; }
};

struct Menu {
    const char* name;
    const char* caption;
    std::span<const MenuItem> items;
};

// The hint is the File menu's first item; there is no Hint menu.
// TRANSLATORS: the File menu's items: Hint, New Puzzle, Reset Puzzle, Exit.
// '&' marks the access key; within one menu no two items share a letter.
inline constexpr std::array<MenuItem, 5> kFileItems{{
    {"mnuHint", NC_("menu item", "&Hint"), MenuCommand::Hint, 'H'},
    {"mnuFileNew", NC_("menu item", "&New Puzzle"), MenuCommand::NewPuzzle, 'N'},
    {"mnuReset", NC_("menu item", "&Reset Puzzle"), MenuCommand::ResetPuzzle, 'R'},
    {"mnuFileBar1", "", MenuCommand::None},
    {"mnuFileExit", NC_("menu item", "E&xit"), MenuCommand::Exit},
}};

// TRANSLATORS: the View menu's items: show or hide the status bar, and the
// tile numbers under the tiles. Unique access keys within the View menu.
inline constexpr std::array<MenuItem, 2> kViewItems{{
    {"mnuViewStatusBar", NC_("menu item", "Status &Bar"), MenuCommand::ViewStatusBar, 0, true,
     true},
    {"mnuTileNumbers", NC_("menu item", "&Tile Numbers"), MenuCommand::ViewTileNumbers, 0, true,
     false},
}};

// TRANSLATORS: the Help menu's items: How to Play opens the help file (no
// access key in English; give it one only if it does not clash with About),
// About Tenebrix... opens the About box.
inline constexpr std::array<MenuItem, 3> kHelpItems{{
    {"mnuHelpContents", NC_("menu item", "How to Play"), MenuCommand::HelpContents},
    {"mnuHelpBar1", "", MenuCommand::None},
    {"mnuHelpAbout", NC_("menu item", "&About Tenebrix..."), MenuCommand::HelpAbout},
}};

// TRANSLATORS: the menu bar's titles. '&' marks the access key (Alt and the
// letter opens the menu). The three titles must not share a letter, nor
// with the three buttons under the board (Hint, New Puzzle, Reset Puzzle),
// except English's H for Hint and Help.
inline constexpr std::array<Menu, 3> kMainMenu{{
    {"mnuFile", NC_("menu", "&File"), kFileItems},
    {"mnuView", NC_("menu", "&View"), kViewItems},
    {"mnuHelp", NC_("menu", "&Help"), kHelpItems},
}};

// Front ends still asking by the old name.
inline constexpr char accessKeyOf(const char* caption) {
    return accessKey(caption);
}

}  // namespace tenebrix::forms
