// SPDX-License-Identifier: GPL-3.0-or-later
// The stand-in program's installation and trace.
#include "StandIn.h"

#include <shlobj.h>

#include <vector>

#include "SystemServices.h"

namespace tenebrix::testing {

bool installStandIn(const std::wstring& path) {
    const std::wstring folder = path.substr(0, path.find_last_of(L'\\'));
    SHCreateDirectoryExW(nullptr, folder.c_str(), nullptr);
    DeleteFileW((path + L".ran").c_str());
    const std::wstring standIn = win32::programFolder() + L"standin_tool.exe";
    return CopyFileW(standIn.c_str(), path.c_str(), FALSE);
}

std::optional<std::wstring> standInCommandLine(const std::wstring& path, int milliseconds) {
    const std::wstring marker = path + L".ran";
    for (int waited = 0; waited <= milliseconds; waited += 100) {
        HANDLE file =
            CreateFileW(marker.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            std::vector<wchar_t> text(4096, L'\0');
            DWORD read = 0;
            ReadFile(file, text.data(), static_cast<DWORD>((text.size() - 1) * sizeof(wchar_t)),
                     &read, nullptr);
            CloseHandle(file);
            if (read > 0) return std::wstring(text.data(), read / sizeof(wchar_t));
        }
        Sleep(100);
    }
    return std::nullopt;
}

}  // namespace tenebrix::testing
