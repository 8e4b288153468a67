// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's menu bar: File, View and Help with their items, each
// named as the game's documents name it.
#pragma once

class QAction;
class QMenu;
class QMenuBar;

namespace tenebrix::ui {

struct MainMenu {
    QMenu* mnuFile;
    QAction* mnuHint;
    QAction* mnuFileNew;
    QAction* mnuReset;
    QAction* mnuFileExit;
    QMenu* mnuView;
    QAction* mnuViewStatusBar;
    QAction* mnuTileNumbers;
    QMenu* mnuHelp;
    QAction* mnuHelpContents;
    QAction* mnuHelpAbout;
};

// Fills `bar`; the menus and actions belong to it.
MainMenu buildMainMenu(QMenuBar* bar);

}  // namespace tenebrix::ui
