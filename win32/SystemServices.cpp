// SPDX-License-Identifier: GPL-3.0-or-later
// The real services: registry, shell, message boxes, clock and launcher.
#include "SystemServices.h"

#include <commctrl.h>
#include <objbase.h>
#include <shellapi.h>

#include <vector>

#include "Captions.h"
#include "Translate.h"
#include "WideText.h"
#include "WindowKeys.h"

namespace tenebrix::win32 {

bool RegistrySettingsStore::SaveSetting(const std::string& appName, const std::string& section,
                                        const std::string& key, const std::string& value) {
    const std::wstring keyPath = L"Software\\" + widen(appName) + L"\\" + widen(section);
    const std::wstring text = widen(value);
    const auto bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
    return RegSetKeyValueW(HKEY_CURRENT_USER, keyPath.c_str(), widen(key).c_str(), REG_SZ,
                           text.c_str(), bytes) == ERROR_SUCCESS;
}

void* systemFunction(const wchar_t* library, const char* function, DWORD& error) {
    HMODULE module = LoadLibraryExW(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    void* found = module ? reinterpret_cast<void*>(GetProcAddress(module, function)) : nullptr;
    error = found ? ERROR_SUCCESS : GetLastError();
    if (!found && error == ERROR_SUCCESS)
        error = module ? ERROR_PROC_NOT_FOUND : ERROR_MOD_NOT_FOUND;
    // Loaded once it is used: the library stays for the rest of the program.
    if (module && !found) FreeLibrary(module);
    return found;
}

// The help file opens at its start, which is its contents page.
std::optional<std::wstring> ShellHelpViewer::showContents(HWND owner,
                                                          const std::wstring& helpFile) {
    if (!shellExecuteEx_) {
        DWORD error = ERROR_SUCCESS;
        shellExecuteEx_ = systemFunction(shellLibrary_.c_str(), "ShellExecuteExW", error);
        if (!shellExecuteEx_) return systemErrorText(error);
    }
    // Kept for the rest of the program, as the shell's library is: the
    // window's thread stays single-threaded.
    if (!comReady_) {
        using CoInitializeExFunction = HRESULT(WINAPI*)(void*, DWORD);
        DWORD error = ERROR_SUCCESS;
        const auto initialise = reinterpret_cast<CoInitializeExFunction>(
            systemFunction(L"ole32.dll", "CoInitializeEx", error));
        comReady_ = initialise && SUCCEEDED(initialise(
                                      nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
    }
    const auto execute = reinterpret_cast<BOOL(WINAPI*)(SHELLEXECUTEINFOW*)>(shellExecuteEx_);
    DWORD error = ERROR_NO_ASSOCIATION;
    for (const std::wstring& fileClass : fileClasses_) {
        SHELLEXECUTEINFOW request{};
        request.cbSize = sizeof request;
        request.fMask = SEE_MASK_CLASSNAME | SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
        request.hwnd = owner;
        request.lpVerb = L"open";
        request.lpFile = helpFile.c_str();
        request.lpClass = fileClass.c_str();
        request.nShow = SW_SHOWNORMAL;
        if (execute(&request)) return std::nullopt;
        error = GetLastError() ? GetLastError() : ERROR_NO_ASSOCIATION;
    }
    return systemErrorText(error);
}

namespace {

// A box that asks Yes or No has no answer for Esc or a close request: the
// question stays until Yes or No is chosen. Windows's own box keeps to that;
// Wine's takes either for No. The cancel request is ignored here on both.
LRESULT CALLBACK ignoreCancel(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                              DWORD_PTR) {
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) return 0;
    if (message == WM_NCDESTROY) RemoveWindowSubclass(box, ignoreCancel, 0);
    return DefSubclassProc(box, message, wParam, lParam);
}

// A button's text in the game's language with its key marked as the
// system marks its own: before the letter that answers it ("&Ja"), or,
// where that is not a letter keyboards type (はい), the English one in
// brackets at the end, as the system writes "はい(&Y)".
std::wstring answerText(MessageAnswer answer, char english) {
    const std::string caption = ui::answerCaption(answer);
    if (caption.find('&') != std::string::npos) return widen(caption);
    const char32_t key = ui::answerKey(answer);
    if (key != 0 && key < 0x2E80) {  // below the scripts typed through an input method
        for (std::size_t at = 0; at < caption.size();) {
            const std::size_t start = at;
            if (forms::foldedKey(forms::nextCodePoint(caption, at)) == key)
                return widen(caption.substr(0, start) + '&' + caption.substr(start));
        }
    }
    return widen(caption + "(&" + english + ')');
}

// The system's box labels its buttons in Windows' own language, which need
// not be the game's (an English Windows, a language asked for in
// LANGUAGE): in a language of the game's own they are labelled from its
// catalogue.
void labelButtons(HWND box) {
    if (i18n::catalogue().empty()) return;
    if (HWND yes = GetDlgItem(box, IDYES))
        SetWindowTextW(yes, answerText(MessageAnswer::Yes, 'Y').c_str());
    if (HWND no = GetDlgItem(box, IDNO))
        SetWindowTextW(no, answerText(MessageAnswer::No, 'N').c_str());
    if (HWND ok = GetDlgItem(box, IDOK))
        SetWindowTextW(ok, widen(ui::answerCaption(MessageAnswer::Ok)).c_str());
}

// The box is the first dialog activated while it is shown (its owner, an
// About box, is activated again only as it closes). A box that asks Yes or
// No ignores the cancel request; every box gets the game's words on its
// buttons.
bool watchedBoxAsksYesNo = false;
HWND watchedBox = nullptr;

LRESULT CALLBACK watchBox(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && !watchedBox) {
        const auto window = reinterpret_cast<HWND>(wParam);
        wchar_t name[16] = L"";
        if (GetClassNameW(window, name, 16) && lstrcmpW(name, L"#32770") == 0) {
            watchedBox = window;
            if (watchedBoxAsksYesNo) SetWindowSubclass(window, ignoreCancel, 0, 0);
            labelButtons(window);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

MessageAnswer SystemMessageBoxes::show(HWND owner, const Message& message) {
    const bool yesNo = message.buttons == MessageButtons::YesNo;
    UINT style = yesNo ? MB_YESNO : MB_OK;
    if (message.icon == MessageIcon::Information) style |= MB_ICONINFORMATION;
    HHOOK watch = nullptr;
    if (yesNo || !i18n::catalogue().empty()) {
        watchedBoxAsksYesNo = yesNo;
        watchedBox = nullptr;
        watch = SetWindowsHookExW(WH_CBT, watchBox, nullptr, GetCurrentThreadId());
    }
    const int answer =
        MessageBoxW(owner, widen(message.text).c_str(), widen(message.title).c_str(), style);
    if (watch) UnhookWindowsHookEx(watch);
    if (!yesNo) return MessageAnswer::Ok;
    return answer == IDYES ? MessageAnswer::Yes : MessageAnswer::No;
}

platform::LocalTime SystemClock::now() {
    SYSTEMTIME local;
    GetLocalTime(&local);
    return {local.wYear,   local.wMonth,  local.wDay,         local.wHour,
            local.wMinute, local.wSecond, local.wMilliseconds};
}

namespace {

// With its day of the week, which a format may name.
SYSTEMTIME systemTime(const platform::LocalTime& time) {
    SYSTEMTIME system{};
    system.wYear = static_cast<WORD>(time.year);
    system.wMonth = static_cast<WORD>(time.month);
    system.wDay = static_cast<WORD>(time.day);
    system.wHour = static_cast<WORD>(time.hour);
    system.wMinute = static_cast<WORD>(time.minute);
    system.wSecond = static_cast<WORD>(time.second);
    system.wMilliseconds = static_cast<WORD>(time.millisecond);
    FILETIME file;
    if (SystemTimeToFileTime(&system, &file)) FileTimeToSystemTime(&file, &system);
    return system;
}

}  // namespace

std::string SystemClock::shortDate(const platform::LocalTime& time) {
    const SYSTEMTIME system = systemTime(time);
    wchar_t text[128] = L"";
    GetDateFormatEx(locale(), DATE_SHORTDATE, &system, nullptr, text, 128, nullptr);
    return narrow(text);
}

std::string SystemClock::shortTime(const platform::LocalTime& time) {
    const SYSTEMTIME system = systemTime(time);
    wchar_t text[128] = L"";
    GetTimeFormatEx(locale(), TIME_NOSECONDS, &system, nullptr, text, 128);
    return narrow(text);
}

bool ProgramLauncher::fileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(widen(path, CP_ACP).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// In a normal window; the new program takes the focus, the game goes on.
bool ProgramLauncher::launch(const std::string& programPath) {
    const std::wstring program = widen(programPath, CP_ACP);  // as the registry gave it
    if (program.empty()) return false;
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process)) {
        return false;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

std::wstring systemErrorText(DWORD error) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text = length ? std::wstring(buffer, length) : L"Error " + std::to_wstring(error);
    LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r')) text.pop_back();
    return text;
}

std::wstring programFolder() {
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            std::wstring folder(path.data(), length);
            return folder.substr(0, folder.find_last_of(L'\\') + 1);
        }
        path.resize(path.size() * 2);
    }
}

}  // namespace tenebrix::win32
