// SPDX-License-Identifier: GPL-3.0-or-later
// The program's start (placeholder while the windows are built).
#include "Module1.h"

namespace tenebrix::win32 {

int runProgram(HINSTANCE) {
    MessageBoxW(nullptr, L"Tenebrix", L"Tenebrix", MB_OK);
    return 0;
}

}  // namespace tenebrix::win32
