// SPDX-License-Identifier: GPL-3.0-or-later
// A stand-in for the programs the game starts (the system information tool,
// a help viewer): it writes the command line it was given into a file
// beside itself, named after it with ".ran" added, and ends.
#include <windows.h>

#include <string>

int main() {
    wchar_t path[MAX_PATH * 2] = L"";
    GetModuleFileNameW(nullptr, path, MAX_PATH * 2);
    const std::wstring marker = std::wstring(path) + L".ran";
    HANDLE file = CreateFileW(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    const wchar_t* commandLine = GetCommandLineW();
    DWORD written = 0;
    WriteFile(file, commandLine, static_cast<DWORD>(wcslen(commandLine) * sizeof(wchar_t)),
              &written, nullptr);
    CloseHandle(file);
    return 0;
}
