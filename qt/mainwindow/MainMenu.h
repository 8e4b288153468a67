// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's menu bar, built from the game's menu table: File, View
// and Help with their items, each named as the game's documents name it.
#pragma once

#include <array>

#include "MainMenuForm.h"

class QAction;
class QMenu;
class QMenuBar;

namespace tenebrix::qt {

class MainMenu {
  public:
    // Fills `bar`; the menus and actions belong to it.
    explicit MainMenu(QMenuBar* bar);
    MainMenu() = default;

    // The item that runs `command`; null for a separator.
    QAction* item(forms::MenuCommand command) const;
    // The drop-down of `menu`, one of the menu table's; null for another.
    QMenu* menu(const forms::Menu& menu) const;
    // The menu bar's first menu, File.
    QMenu* firstMenu() const { return menus_.front(); }

  private:
    static constexpr std::size_t kCommandCount =
        static_cast<std::size_t>(forms::MenuCommand::HelpAbout) + 1;

    std::array<QMenu*, forms::kMainMenu.size()> menus_{};
    std::array<QAction*, kCommandCount> items_{};
};

}  // namespace tenebrix::qt
