// SPDX-License-Identifier: GPL-3.0-or-later
// The identifiers by which each window, its menus and the tests reach a
// control: a control's is its window's base plus the control's row in the
// window's table, a menu item's the menu base plus its command. Nothing is
// numbered by hand, so a row added to a table needs no identifier here.
#pragma once

#include <windows.h>

#include <span>
#include <string_view>

#include "AboutControls.h"
#include "MainMenuForm.h"
#include "MainWindowControls.h"
#include "SplashControls.h"

namespace tenebrix::win32 {

// One window's controls and their identifiers.
class ControlIds {
  public:
    constexpr ControlIds(std::span<const forms::Control> table, int base)
        : table_(table), base_(base) {}

    std::span<const forms::Control> table() const { return table_; }

    // `row` must be a row of this table.
    constexpr int id(const forms::Control& row) const { return base_ + position(row); }
    constexpr int position(const forms::Control& row) const {
        return static_cast<int>(&row - table_.data());
    }
    // The control called `name` (and `index`); 0 when the table has none.
    constexpr int id(std::string_view name, int index = forms::kNoIndex) const {
        const forms::Control* row = forms::findControl(table_, name, index);
        return row ? id(*row) : 0;
    }
    // The row of identifier `id`; nullptr for any other number.
    constexpr const forms::Control* row(int id) const {
        const int at = id - base_;
        if (at < 0 || at >= static_cast<int>(table_.size())) return nullptr;
        return &table_[static_cast<std::size_t>(at)];
    }

  private:
    std::span<const forms::Control> table_;
    int base_;
};

// Above IDOK, IDCANCEL and the other numbers the dialog manager sends of its
// own, and below the menu items.
inline constexpr int kControlBase = 1000;

inline constexpr ControlIds kMainIds{forms::frmMain::kControls, kControlBase};
inline constexpr ControlIds kSplashIds{forms::frmSplash::kControls, kControlBase};
inline constexpr ControlIds kAboutIds{forms::frmAbout::kControls, kControlBase};

// Menu items: the base plus the command.
inline constexpr int kMenuBase = 2000;
constexpr int menuId(forms::MenuCommand command) {
    return kMenuBase + static_cast<int>(command);
}
// The command of menu item `id`; None for any other number.
constexpr forms::MenuCommand menuCommandOf(int id) {
    for (const forms::Menu& menu : forms::kMainMenu) {
        for (const forms::MenuItem& item : menu.items) {
            if (!item.isSeparator() && menuId(item.command) == id) return item.command;
        }
    }
    return forms::MenuCommand::None;
}

static_assert(kControlBase + forms::frmMain::kControlCount < kMenuBase);

// The status bar's clock: one wake-up when what it shows changes.
inline constexpr UINT_PTR kClockTimer = 1;

}  // namespace tenebrix::win32
