// SPDX-License-Identifier: GPL-3.0-or-later
// The menu bar and the shortcuts of the main window.
#include "MainMenu.h"

#include <cctype>
#include <utility>
#include <vector>

#include "MainControls.h"
#include "MainWindowForm.h"
#include "WideText.h"

namespace tenebrix::win32 {

namespace {

std::wstring itemText(const forms::MenuItem& item) {
    std::wstring text = widen(item.caption);
    if (item.ctrlShortcut) text += std::wstring(L"\tCtrl+") + wchar_t(item.ctrlShortcut);
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
                    widen(menu.caption).c_str());
    }
    return bar;
}

HACCEL createMainAccelerators() {
    std::vector<ACCEL> keys;
    for (const forms::Menu& menu : forms::kMainMenu) {
        for (const forms::MenuItem& item : menu.items) {
            if (item.ctrlShortcut) {
                keys.push_back({FCONTROL | FVIRTKEY, static_cast<WORD>(item.ctrlShortcut),
                                static_cast<WORD>(menuId(item.command))});
            }
        }
    }
    for (const auto& [button, id] : {std::pair{forms::frmMain::cmdHint, kCmdHint},
                                     std::pair{forms::frmMain::cmdNewPuzzle, kCmdNewPuzzle},
                                     std::pair{forms::frmMain::cmdReset, kCmdReset}}) {
        const char key = forms::accessKeyOf(button.caption);
        const auto virtualKey = static_cast<WORD>(std::toupper(static_cast<unsigned char>(key)));
        keys.push_back({FALT | FVIRTKEY, virtualKey, static_cast<WORD>(id)});
    }
    return CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size()));
}

}  // namespace tenebrix::win32
