// SPDX-License-Identifier: GPL-3.0-or-later
// A stand-in for the shell's library, for the help viewer's tests: its
// ShellExecuteExW opens nothing, and notes what it was asked for and
// whether the calling thread had COM ready in a single-threaded apartment.
#include <windows.h>
// After the system's own.
#include <objbase.h>
#include <shellapi.h>

namespace {

int calls = 0;
BOOL apartmentThreaded = FALSE;
wchar_t requestedFile[MAX_PATH] = L"";

}  // namespace

// Exported as ShellExecuteExW (fake_shell.def).
extern "C" BOOL WINAPI fakeShellExecuteEx(SHELLEXECUTEINFOW* request) {
    ++calls;
    // A thread in a single-threaded apartment cannot join the
    // multi-threaded one; a thread in none can, and leaves it again.
    const HRESULT joined = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    apartmentThreaded = joined == RPC_E_CHANGED_MODE;
    if (SUCCEEDED(joined)) CoUninitialize();
    lstrcpynW(requestedFile, request && request->lpFile ? request->lpFile : L"", MAX_PATH);
    return TRUE;
}

extern "C" int fakeShellCalls() {
    return calls;
}

extern "C" BOOL fakeShellApartmentThreaded() {
    return apartmentThreaded;
}

extern "C" const wchar_t* fakeShellFile() {
    return requestedFile;
}
