// SPDX-License-Identifier: GPL-3.0-or-later
// The menu bar of the main window.
#include "MainMenu.h"

#include "Captions.h"
#include "ControlIds.h"
#include "MainMenuForm.h"
#include "WideText.h"

namespace tenebrix::win32 {

namespace {

std::wstring itemText(const forms::MenuItem& item) {
    std::wstring text = widen(ui::captionOf(item));
    if (const std::string shortcut = ui::shortcutOf(item); !shortcut.empty())
        text += L'\t' + widen(shortcut);
    return text;
}

HMENU createPopup(const forms::Menu& menu) {
    HMENU popup = CreatePopupMenu();
    for (const forms::MenuItem& item : menu.items) {
        if (item.isSeparator()) {
            AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        const UINT checked = item.checkable && item.checkedAtStart ? MF_CHECKED : MF_UNCHECKED;
        AppendMenuW(popup, MF_STRING | checked, static_cast<UINT_PTR>(menuId(item.command)),
                    itemText(item).c_str());
    }
    return popup;
}

}  // namespace

HMENU createMainMenu() {
    HMENU bar = CreateMenu();
    for (const forms::Menu& menu : forms::kMainMenu) {
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(createPopup(menu)),
                    widen(ui::captionOf(menu)).c_str());
    }
    return bar;
}

}  // namespace tenebrix::win32
