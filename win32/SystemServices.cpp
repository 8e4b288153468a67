// SPDX-License-Identifier: GPL-3.0-or-later
// The real services: registry, shell, message boxes, clock and launcher.
#include "SystemServices.h"

#include <shellapi.h>

#include <vector>

#include "WideText.h"

namespace tenebrix::win32 {

bool RegistrySettingsStore::SaveSetting(const std::string& appName, const std::string& section,
                                        const std::string& key, const std::string& value) {
    const std::wstring keyPath = L"Software\\" + widen(appName) + L"\\" + widen(section);
    const std::wstring text = widen(value);
    const auto bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
    return RegSetKeyValueW(HKEY_CURRENT_USER, keyPath.c_str(), widen(key).c_str(), REG_SZ,
                           text.c_str(), bytes) == ERROR_SUCCESS;
}

namespace {

using ShellExecuteExFunction = BOOL(WINAPI*)(SHELLEXECUTEINFOW*);

// The shell's library is loaded at the first help asked for, not at start:
// it and what it pulls in are most of the game's memory beyond a bare
// window's, and most games never open the help. It stays loaded after.
ShellExecuteExFunction shellExecuteEx() {
    static const ShellExecuteExFunction function = [] {
        HMODULE shell = LoadLibraryW(L"shell32.dll");
        return shell ? reinterpret_cast<ShellExecuteExFunction>(
                           reinterpret_cast<void*>(GetProcAddress(shell, "ShellExecuteExW")))
                     : nullptr;
    }();
    return function;
}

}  // namespace

// The help file opens at its start, which is its contents page.
std::optional<std::wstring> ShellHelpViewer::showContents(HWND owner,
                                                          const std::wstring& helpFile) {
    const ShellExecuteExFunction execute = shellExecuteEx();
    if (!execute) return systemErrorText(GetLastError() ? GetLastError() : ERROR_MOD_NOT_FOUND);
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

MessageAnswer SystemMessageBoxes::show(HWND owner, const Message& message) {
    UINT style = message.buttons == MessageButtons::YesNo ? MB_YESNO : MB_OK;
    if (message.icon == MessageIcon::Information) style |= MB_ICONINFORMATION;
    const int answer =
        MessageBoxW(owner, widen(message.text).c_str(), widen(message.title).c_str(), style);
    if (message.buttons == MessageButtons::Ok) return MessageAnswer::Ok;
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
