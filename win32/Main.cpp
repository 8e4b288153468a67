// SPDX-License-Identifier: GPL-3.0-or-later
// TENEBRIX.exe's entry: hands over to the start-up module at once.
#include <windows.h>

#include "Module1.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    return tenebrix::win32::runProgram(instance);
}
