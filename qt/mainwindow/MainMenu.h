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
    // The menu bar's first menu, File.
    QMenu* firstMenu() const { return firstMenu_; }

  private:
    static constexpr std::size_t kCommandCount =
        static_cast<std::size_t>(forms::MenuCommand::HelpAbout) + 1;

    QMenu* firstMenu_ = nullptr;
    std::array<QAction*, kCommandCount> items_{};
};

}  // namespace tenebrix::qt
