// SPDX-License-Identifier: GPL-3.0-or-later
// Timers that act inside modal loops.
#include "Modal.h"

#include <string>

namespace tenebrix::testing {

namespace {

std::function<void()> pendingAction;
UINT_PTR pendingTimer = 0;

void CALLBACK runPending(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    pendingTimer = 0;
    auto action = std::move(pendingAction);
    pendingAction = nullptr;
    if (action) action();
}

struct Search {
    HWND owner;
    const wchar_t* className;
    HWND found;
};

BOOL CALLBACK matchWindow(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<Search*>(parameter);
    wchar_t name[64] = L"";
    GetClassNameW(window, name, 64);
    if (GetWindow(window, GW_OWNER) == search->owner && std::wstring(name) == search->className &&
        IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

void duringModal(std::function<void()> action) {
    pendingAction = std::move(action);
    pendingTimer = SetTimer(nullptr, 0, 50, runPending);
}

void cancelDuringModal() {
    if (pendingTimer) KillTimer(nullptr, pendingTimer);
    pendingTimer = 0;
    pendingAction = nullptr;
}

HWND ownedWindow(HWND owner, const wchar_t* className) {
    Search search{owner, className, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), matchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace tenebrix::testing
