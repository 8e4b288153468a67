// SPDX-License-Identifier: GPL-3.0-or-later
// Sub Main: the splash screen, which hands over to the main window; the
// event loop runs while a window of the program is open.
#include "Module1.h"

#include <commctrl.h>

#include "MainWindowForm.h"
#include "NativeEvents.h"
#include "PlayerLanguage.h"
#include "RandomSource.h"
#include "SystemServices.h"
#include "WideText.h"
#include "WindowsRegistry.h"
#include "frmMain.h"
#include "frmSplash.h"

namespace tenebrix::win32 {

void prepareProcess() {
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
}

bool routeKeyboard(frmMain& main, MSG& message) {
    HWND window = main.window();
    if (!window || (message.hwnd != window && !IsChild(window, message.hwnd))) return false;
    switch (message.message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
        case WM_SYSCHAR: {
            const KeyOutcome outcome =
                offerKey(message, [&](const ui::KeyPress& key) { return main.keyDown(key); });
            if (outcome != KeyOutcome::Untouched) return true;
            if (message.message == WM_SYSCHAR) return false;
            break;
        }
        case WM_CHAR:
            return false;
        default:
            break;
    }
    return IsDialogMessageW(window, &message);
}

int runGame(HINSTANCE instance, Services& services) {
    frmMain mainWindow(instance, services);
    // A splash destroyed before the hand-over (the player's ways of closing
    // it are all refused) ends the program, as a program ends whose last
    // window closes: the main window opening after it would be uninvited.
    // So does a main window that could not be made.
    frmSplash splash(
        instance,
        [&] {
            mainWindow.Show([] { PostQuitMessage(0); });
            if (!mainWindow.window()) PostQuitMessage(1);
        },
        [] { PostQuitMessage(0); });
    splash.Show();
    if (!splash.window()) return 1;

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (routeKeyboard(mainWindow, message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

int runProgram(HINSTANCE instance) {
    prepareProcess();
    // Every window's texts are looked up as it is made.
    const std::optional<std::string> language = usePlayerLanguage(instance);
    ClockSeededRandom random;
    RegistrySettingsStore settings;
    ShellHelpViewer help;
    SystemMessageBoxes messages;
    const auto registry = platform::makeWindowsRegistry();
    ProgramLauncher launcher;
    SystemClock clock;
    Services services{
        random,    settings,
        help,      messages,
        *registry, launcher,
        clock,     helpFileFor(programFolder(), language, widen(forms::frmMain::kHelpFileName))};
    return runGame(instance, services);
}

}  // namespace tenebrix::win32
