// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's menu bar: File, View and Help, their items in order,
// access keys ('&' before the letter), shortcuts and check marks.
#pragma once

#include <array>
#include <span>

#include "AccessKey.h"

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
inline constexpr std::array<MenuItem, 5> kFileItems{{
    {"mnuHint", "&Hint", MenuCommand::Hint, 'H'},
    {"mnuFileNew", "&New Puzzle", MenuCommand::NewPuzzle, 'N'},
    {"mnuReset", "&Reset Puzzle", MenuCommand::ResetPuzzle, 'R'},
    {"mnuFileBar1", "", MenuCommand::None},
    {"mnuFileExit", "E&xit", MenuCommand::Exit},
}};

inline constexpr std::array<MenuItem, 2> kViewItems{{
    {"mnuViewStatusBar", "Status &Bar", MenuCommand::ViewStatusBar, 0, true, true},
    {"mnuTileNumbers", "&Tile Numbers", MenuCommand::ViewTileNumbers, 0, true, false},
}};

inline constexpr std::array<MenuItem, 3> kHelpItems{{
    {"mnuHelpContents", "How to Play", MenuCommand::HelpContents},
    {"mnuHelpBar1", "", MenuCommand::None},
    {"mnuHelpAbout", "&About Tenebrix...", MenuCommand::HelpAbout},
}};

inline constexpr std::array<Menu, 3> kMainMenu{{
    {"mnuFile", "&File", kFileItems},
    {"mnuView", "&View", kViewItems},
    {"mnuHelp", "&Help", kHelpItems},
}};

// Front ends still asking by the old name.
inline constexpr char accessKeyOf(const char* caption) {
    return accessKey(caption);
}

}  // namespace tenebrix::forms
